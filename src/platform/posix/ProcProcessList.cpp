#include "platform/posix/ProcProcessList.h"

#include <dirent.h>

#include <cctype>
#include <fstream>

namespace skelder {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string ReadSmallFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text;
  char buffer[4096];
  in.read(buffer, sizeof buffer);
  text.assign(buffer, static_cast<std::size_t>(in.gcount()));
  return text;
}

// The last part of a path in either system's form.
std::string FileNamePart(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool IsNumber(const char* name) {
  if (!*name) return false;
  for (; *name; ++name)
    if (!std::isdigit(static_cast<unsigned char>(*name))) return false;
  return true;
}

}  // namespace

bool ProcProcessList::isRunning(const std::string& executableName) const {
  DIR* folder = ::opendir(procFolder_.c_str());
  if (!folder) return false;
  bool found = false;
  while (!found) {
    const dirent* entry = ::readdir(folder);
    if (!entry) break;
    if (!IsNumber(entry->d_name)) continue;
    const std::string process = procFolder_ + "/" + entry->d_name;
    const std::string arguments = ReadSmallFile(process + "/cmdline");
    const std::string first = arguments.substr(0, arguments.find('\0'));
    std::string command = ReadSmallFile(process + "/comm");
    if (!command.empty() && command.back() == '\n') command.pop_back();
    found = (!first.empty() && SameName(FileNamePart(first), executableName)) ||
            SameName(command, executableName);
  }
  ::closedir(folder);
  return found;
}

}  // namespace skelder
