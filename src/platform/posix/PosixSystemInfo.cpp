#include "platform/posix/PosixSystemInfo.h"

#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cstdlib>

namespace skelder {

std::string PosixSystemInfo::userName() const {
  if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name) return entry->pw_name;
  if (const char* user = std::getenv("USER")) return user;
  return {};
}

std::string PosixSystemInfo::computerName() const {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

std::string PosixSystemInfo::windowsFolder() const {
  std::string prefix;
  if (const char* wine = std::getenv("WINEPREFIX"); wine && *wine) {
    prefix = wine;
  } else if (const char* home = std::getenv("HOME")) {
    prefix = std::string(home) + "/.wine";
  }
  return prefix + "/drive_c/windows";
}

std::string PosixSystemInfo::shellDisplayName(const std::string& path) const {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return path;
  const auto cut = path.find_last_of('/');
  const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  return name.empty() ? path : name;
}

std::string PosixSystemInfo::executablePath() const {
  char buffer[PATH_MAX + 1] = {};
  const ssize_t n = ::readlink("/proc/self/exe", buffer, PATH_MAX);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

std::optional<LockKeys> PosixSystemInfo::lockKeys() const {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return std::nullopt;
  Display* display = XOpenDisplay(name);
  if (!display) return std::nullopt;
  auto indicator = [display](const char* indicatorName) {
    Bool on = False;
    const Atom atom = XInternAtom(display, indicatorName, True);
    return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) &&
           on;
  };
  LockKeys keys;
  keys.num = indicator("Num Lock");
  keys.caps = indicator("Caps Lock");
  keys.scroll = indicator("Scroll Lock");
  XCloseDisplay(display);
  return keys;
}

// $XDG_CONFIG_HOME/Vantrell Solutions, where the settings file is (~/.config by default).
std::string PosixSystemInfo::settingsFolder() const {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return std::string(xdg) + "/Vantrell Solutions";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::string(home) + "/.config/Vantrell Solutions";
  return {};
}

}  // namespace skelder
