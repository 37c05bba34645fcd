#include "core/hosts/WildcardMatch.h"

namespace skelder {

namespace {

char Folded(char c, bool ignoreCase) {
  return ignoreCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

// Greedy with one backtracking point, the last "*": linear for patterns without "*".
bool WildcardMatch(const std::string& pattern, const std::string& text, bool ignoreCase) {
  size_t p = 0, t = 0, star = std::string::npos, resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() &&
        (pattern[p] == '?' || Folded(pattern[p], ignoreCase) == Folded(text[t], ignoreCase))) {
      ++p;
      ++t;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = t;
    } else if (star != std::string::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace skelder
