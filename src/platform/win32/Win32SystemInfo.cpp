#include "platform/win32/Win32SystemInfo.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/Windows.h"
// after windows.h
#include <lmcons.h>
#include <shellapi.h>
#include <winver.h>

namespace skelder {

std::string Win32SystemInfo::userName() const {
  char name[UNLEN + 1] = {};
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

std::string Win32SystemInfo::computerName() const {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof name;
  return GetComputerNameA(name, &size) ? std::string(name) : std::string();
}

std::string Win32SystemInfo::windowsFolder() const {
  char folder[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
  return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}

std::string Win32SystemInfo::shellDisplayName(const std::string& path) const {
  SHFILEINFOA info = {};
  if (path.empty() || !SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME) ||
      !info.szDisplayName[0])
    return path;
  return info.szDisplayName;
}

bool Win32SystemInfo::isNTFamily() const {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return true;
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::string Win32SystemInfo::executablePath() const {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::optional<LockKeys> Win32SystemInfo::lockKeys() const {
  // The low bit of the key state is the toggle.
  LockKeys keys;
  keys.num = GetKeyState(VK_NUMLOCK) & 1;
  keys.caps = GetKeyState(VK_CAPITAL) & 1;
  keys.scroll = GetKeyState(VK_SCROLL) & 1;
  return keys;
}

FileVersion Win32SystemInfo::fileVersion(const std::string& path) const {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return kUnknownFileVersion;
  std::vector<char> data(size);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data()) ||
      !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
      length < sizeof(VS_FIXEDFILEINFO) || fixed->dwSignature != 0xFEEF04BD)
    return kUnknownFileVersion;
  return FileVersion{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                     HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
}

// %APPDATA%\Vantrell Solutions: the user's roaming folder, beside the settings key.
std::string Win32SystemInfo::settingsFolder() const {
  if (const char* appData = std::getenv("APPDATA"); appData && *appData)
    return std::string(appData) + "\\Vantrell Solutions";
  return {};
}

}  // namespace skelder
