#include "platform/win32/ToolhelpProcessList.h"

#include "platform/win32/Windows.h"
// after windows.h
#include <tlhelp32.h>

namespace skelder {

bool ToolhelpProcessList::isRunning(const std::string& executableName) const {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32First(snapshot, &entry); more && !found;
       more = Process32Next(snapshot, &entry)) {
    // szExeFile is the file name; some systems give a path.
    const char* name = entry.szExeFile;
    for (const char* c = entry.szExeFile; *c; ++c)
      if (*c == '\\' || *c == '/') name = c + 1;
    found = lstrcmpiA(name, executableName.c_str()) == 0;
  }
  CloseHandle(snapshot);
  return found;
}

}  // namespace skelder
