#pragma once
// The time of day as the program reads it, injectable so that time stamps and generated
// names are testable.
#include <memory>

namespace skelder {

struct LocalTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int dayOfWeek = 6;  // 0 Sunday .. 6 Saturday
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() const = 0;
};

// The local time of a moment given in seconds since 1970 (as files carry it).
LocalTime ToLocalTime(long long secondsSinceEpoch);

// The system's local time.
class SystemClock : public Clock {
 public:
  LocalTime now() const override;
};

// A clock that always says the same time (tests).
class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalTime time) : time_(time) {}
  LocalTime now() const override { return time_; }
  void set(LocalTime time) { time_ = time; }

 private:
  LocalTime time_;
};

}  // namespace skelder
