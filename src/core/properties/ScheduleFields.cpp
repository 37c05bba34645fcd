#include "core/properties/ScheduleFields.h"

#include <algorithm>
#include <vector>

#include "core/properties/NodeProperties.h"
#include "core/text/DecimalNumber.h"

namespace skelder {

namespace {

// What a piece that is no number becomes: above every maximum.
constexpr int kNotANumber = 100;

}  // namespace

FieldRange RangeOf(ScheduleField field) {
  switch (field) {
    case ScheduleField::Minute:
      return {0, 59};
    case ScheduleField::Hour:
      return {0, 23};
    case ScheduleField::DayOfMonth:
      return {1, 31};
    case ScheduleField::Month:
      return {1, 12};
    case ScheduleField::DayOfWeek:
      return {1, 7};
  }
  return {0, 59};
}

std::string ValidateScheduleField(const std::string& text, ScheduleField field, int& corrections) {
  if (text.find('*') != std::string::npos) return "*";
  // Every piece ending at a comma is an entry, the empty piece after a trailing comma too.
  std::vector<int> entries;
  const std::string pieces = text + ",";
  size_t begin = 0;
  for (size_t comma = pieces.find(','); comma != std::string::npos;
       begin = comma + 1, comma = pieces.find(',', begin)) {
    std::int32_t value = 0;
    if (!ParseDecimal(pieces.substr(begin, comma - begin), value)) {
      value = kNotANumber;
      ++corrections;
    }
    entries.push_back(value);
  }
  // Ascending; equal numbers are indistinguishable, so any sort gives what the stable
  // exchange sort of the rule gives.
  std::sort(entries.begin(), entries.end());
  // From the last entry to the first: out-of-range entries are moved to the range's end
  // (and kept, even when that repeats one); an entry inside the range that equals the
  // one before it goes. The entry before is always looked at as it was sorted.
  const FieldRange range = RangeOf(field);
  std::vector<bool> kept(entries.size(), true);
  for (size_t i = entries.size(); i-- > 0;) {
    int& entry = entries[i];
    if (entry < range.minimum) {
      entry = range.minimum;
      ++corrections;
    } else if (entry > range.maximum) {
      if (entry != kNotANumber) ++corrections;  // already counted as no number
      entry = range.maximum;
    } else if (i > 0 && entries[i - 1] == entry) {
      kept[i] = false;
      ++corrections;
    }
  }
  std::string result;
  for (size_t i = 0; i < entries.size(); ++i)
    if (kept[i]) result += (result.empty() ? "" : ",") + std::to_string(entries[i]);
  return result;
}

std::string VerificationMessage(int corrections) {
  if (corrections == 0) return "All fields are entered correctly.";
  if (corrections == 1) return "1 invalid entry corrected.";
  return std::to_string(corrections) + " invalid entries corrected.";
}

std::array<std::string, 5> LoadScheduleFields(const std::string& schedule) {
  std::array<std::string, 5> fields;
  std::string rest = schedule.rfind('=', 0) == 0 ? schedule.substr(1) : schedule;
  for (size_t i = 0; i < 4; ++i) {
    const size_t blank = rest.find(' ');
    fields[i] = TrimText(rest.substr(0, blank));
    rest = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
  }
  fields[4] = TrimText(rest);
  return fields;
}

}  // namespace skelder
