#include "core/base/Clock.h"

#include <chrono>
#include <ctime>

namespace skelder {

LocalTime ToLocalTime(long long secondsSinceEpoch) {
  const std::time_t seconds = static_cast<std::time_t>(secondsSinceEpoch);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  LocalTime time;
  time.year = local.tm_year + 1900;
  time.month = local.tm_mon + 1;
  time.day = local.tm_mday;
  time.hour = local.tm_hour;
  time.minute = local.tm_min;
  time.second = local.tm_sec;
  time.dayOfWeek = local.tm_wday;
  return time;
}

LocalTime SystemClock::now() const {
  const auto now = std::chrono::system_clock::now();
  LocalTime time = ToLocalTime(std::chrono::system_clock::to_time_t(now));
  time.millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return time;
}

}  // namespace skelder
