#include "core/editor/TtlLineCache.h"

#include <algorithm>

namespace skelder {

std::size_t TtlLineCache::resumePoint(const std::string& line, std::size_t unchanged,
                                      std::size_t reach) const {
  std::size_t same = std::min({unchanged, line.size(), text_.size()});
  same = static_cast<std::size_t>(
      std::mismatch(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(same), text_.begin())
          .first -
      line.begin());
  // Blanks and control characters before the change may be the line's trailing ones now
  // or may have been before, which decides how far a word's lookup goes.
  while (same > 0 && static_cast<unsigned char>(line[same - 1]) <= 32) --same;
  if (same <= reach) return 0;
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), same - reach);
  return after == starts_.begin() ? 0 : *(after - 1);
}

void TtlLineCache::keepStartsBefore(std::size_t from) {
  if (from == 0) {
    starts_.clear();
    return;
  }
  starts_.erase(std::lower_bound(starts_.begin(), starts_.end(), from), starts_.end());
}

void TtlLineCache::clear() {
  text_.clear();
  starts_.clear();
}

}  // namespace skelder
