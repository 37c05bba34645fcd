// Colour strings of any text: the set formats to at most 24 numbers of three digits and
// 23 separators, which load back into the same set.
#include "FuzzSupport.h"
#include "core/properties/ColorSet.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ColorSet colors;
  const bool valid = ParseColorString(text, colors);
  FUZZ_CHECK(!valid || text.size() >= 47);
  const std::string formatted = FormatColorString(colors);
  FUZZ_CHECK(formatted.size() >= 47 && formatted.size() <= 24 * 3 + 23);
  ColorSet again;
  FUZZ_CHECK(ParseColorString(formatted, again));
  FUZZ_CHECK(again.bytes == colors.bytes);
  FUZZ_CHECK(FormatColorString(again) == formatted);
  return 0;
}
