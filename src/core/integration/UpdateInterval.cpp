#include "core/integration/UpdateInterval.h"

namespace skelder {

const std::vector<std::string>& UpdateIntervalEntries() {
  static const std::vector<std::string> entries = {"every day",     "every 3 days",  "every 7 days",
                                                   "every 14 days", "every 30 days", "never"};
  return entries;
}

int UpdateIntervalDays(int entry) {
  static const int days[] = {1, 3, 7, 14, 30, 0};
  return entry >= 0 && entry < 6 ? days[entry] : 0;
}

// Days from 1 January 1970 of a date in the proleptic Gregorian calendar (the civil
// calendar's algorithm), then moved to the epoch of 30 December 1899.
std::int32_t DayNumber(const LocalTime& date) {
  const int y = date.year - (date.month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int m = date.month;
  const int dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t since1970 = static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
  return static_cast<std::int32_t>(since1970 + 25569);
}

bool StoreNextCheck(SettingsStore& store, const Clock& clock, int entry) {
  auto key = store.openKey(kSettingsKeyPath, true);
  return key && key->writeInteger("NextCheck", DayNumber(clock.now()) + UpdateIntervalDays(entry));
}

}  // namespace skelder
