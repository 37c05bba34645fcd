#pragma once
// The five cron-like fields of a schedule: minute, hour, day of the month, month, day of
// the week, each "*" or an ascending list of values inside its range.
#include <array>
#include <string>

namespace skelder {

enum class ScheduleField { Minute = 1, Hour, DayOfMonth, Month, DayOfWeek };

struct FieldRange {
  int minimum;
  int maximum;
};
FieldRange RangeOf(ScheduleField field);

// The corrected text of a field: "*" when it holds a star anywhere; otherwise its
// comma-separated entries sorted and moved into the range, a value inside the range
// kept once. Entries moved to an end of the range are not merged: "70,80" gives "59,59"
// (correcting that again gives "59"). Each corrected entry (not a number, out of range,
// repeated) is added to corrections.
std::string ValidateScheduleField(const std::string& text, ScheduleField field, int& corrections);

// The message of "Verify values" for the number of corrections.
std::string VerificationMessage(int corrections);

// The five fields of a schedule string that begins with "=": the first four blank-
// separated pieces, the rest as the day of the week.
std::array<std::string, 5> LoadScheduleFields(const std::string& schedule);

}  // namespace skelder
