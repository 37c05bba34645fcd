// Schedule fields of any text: the result is "*" or ascending numbers inside the range,
// no more entries than the text had, and a second correction is the last one needed.
#include <algorithm>

#include "FuzzSupport.h"
#include "core/properties/ScheduleFields.h"
#include "core/text/DecimalNumber.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (int number = 1; number <= 5; ++number) {
    const auto field = static_cast<ScheduleField>(number);
    int corrections = 0;
    const std::string once = ValidateScheduleField(text, field, corrections);
    FUZZ_CHECK(corrections >= 0);
    if (once == "*") {
      FUZZ_CHECK(text.find('*') != std::string::npos && corrections == 0);
      continue;
    }
    const FieldRange range = RangeOf(field);
    size_t entries = 0;
    std::int32_t previous = range.minimum;
    for (size_t begin = 0; begin <= once.size(); ++entries) {
      size_t comma = once.find(',', begin);
      if (comma == std::string::npos) comma = once.size();
      std::int32_t value = 0;
      FUZZ_CHECK(ParseDecimal(once.substr(begin, comma - begin), value));
      FUZZ_CHECK(value >= previous && value <= range.maximum);
      previous = value;
      begin = comma + 1;
    }
    FUZZ_CHECK(entries <= static_cast<size_t>(std::count(text.begin(), text.end(), ',')) + 1);
    int more = 0;
    const std::string twice = ValidateScheduleField(once, field, more);
    int none = 0;
    FUZZ_CHECK(ValidateScheduleField(twice, field, none) == twice && none == 0);
  }
  return 0;
}
