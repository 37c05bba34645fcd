#include "platform/win32/ShellProgramStarter.h"

#include "platform/win32/Windows.h"
// after windows.h
#include <shellapi.h>

namespace skelder {

bool ShellProgramStarter::open(const std::string& file, const std::string& parameters,
                               const std::string& folder) {
  const HINSTANCE result = ShellExecuteA(nullptr, "open", file.c_str(),
                                         parameters.empty() ? nullptr : parameters.c_str(),
                                         folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace skelder
