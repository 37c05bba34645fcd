#pragma once
// The interval of the update checks ("Check for updated versions") and the next due
// day it sets ("NextCheck"), which the companion reads.
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "platform/SettingsStore.h"

namespace skelder {

// "every day", "every 3 days", "every 7 days", "every 14 days", "every 30 days", "never".
const std::vector<std::string>& UpdateIntervalEntries();
// The days each entry adds: 1, 3, 7, 14, 30 and 0 ("never"); 0 for an index outside.
int UpdateIntervalDays(int entry);

// The local date as a whole day number: days since 30 December 1899.
std::int32_t DayNumber(const LocalTime& date);

// "NextCheck" := today's day number + the entry's days, written at once, creating the
// settings key when it is missing; false when the store cannot be written.
bool StoreNextCheck(SettingsStore& store, const Clock& clock, int entry);

}  // namespace skelder
