#include "platform/SettingsStore.h"

namespace skelder {

std::string NormaliseKeyPath(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == '\\') out.pop_back();
  return out;
}

}  // namespace skelder
