#include <gtest/gtest.h>

#include "core/properties/ScheduleFields.h"

namespace skelder::testing {

TEST(ValidateScheduleField, CorrectsEntriesAndCountsEachOnce) {
  struct Case {
    ScheduleField field;
    std::string text, result;
    int corrections;
  } cases[] = {
      {ScheduleField::Minute, "5,*", "*", 0},
      {ScheduleField::Minute, "*", "*", 0},
      {ScheduleField::Minute, "30,0,15,0", "0,15,30", 1},
      {ScheduleField::Minute, "75", "59", 1},
      {ScheduleField::Month, "0", "1", 1},
      {ScheduleField::DayOfWeek, "8", "7", 1},
      {ScheduleField::Minute, "70,80", "59,59", 2},
      {ScheduleField::Minute, "5,", "5,59", 1},
      {ScheduleField::Minute, "5,,7", "5,7,59", 1},
      {ScheduleField::Hour, "-5", "0", 1},
      {ScheduleField::Hour, "1-5", "23", 1},
      {ScheduleField::DayOfMonth, "", "31", 1},
      {ScheduleField::DayOfWeek, "1,2,3,4,5", "1,2,3,4,5", 0},
      {ScheduleField::Hour, "8,8,8", "8", 2},
      {ScheduleField::Minute, "59,59", "59", 1},  // a second verification of 70,80
      {ScheduleField::Minute, "80,59,x,-1,0,59", "0,0,59,59,59", 4},
  };
  for (const auto& c : cases) {
    int corrections = 0;
    EXPECT_EQ(ValidateScheduleField(c.text, c.field, corrections), c.result) << c.text;
    EXPECT_EQ(corrections, c.corrections) << c.text;
  }
}

TEST(ValidateScheduleField, ALongListIsSortedAndThinnedOnce) {
  // Every minute ten times, from the last down, and two beyond the range.
  std::string text = "99,61";
  for (int round = 0; round < 10; ++round)
    for (int minute = 59; minute >= 0; --minute) text += "," + std::to_string(minute);
  std::string expected;
  for (int minute = 0; minute < 60; ++minute) expected += std::to_string(minute) + ",";
  int corrections = 0;
  EXPECT_EQ(ValidateScheduleField(text, ScheduleField::Minute, corrections), expected + "59,59");
  EXPECT_EQ(corrections, 9 * 60 + 2);
}

TEST(ValidateScheduleField, TheMessageNamesTheCount) {
  EXPECT_EQ(VerificationMessage(0), "All fields are entered correctly.");
  EXPECT_EQ(VerificationMessage(1), "1 invalid entry corrected.");
  EXPECT_EQ(VerificationMessage(3), "3 invalid entries corrected.");
}

TEST(LoadScheduleFields, SplitsAtBlanksWithTheRestAsDayOfWeek) {
  EXPECT_EQ(LoadScheduleFields("=0 8 * * 1,2,3,4,5"),
            (std::array<std::string, 5>{"0", "8", "*", "*", "1,2,3,4,5"}));
  EXPECT_EQ(LoadScheduleFields("=0,30 8 1 2 3 4"),
            (std::array<std::string, 5>{"0,30", "8", "1", "2", "3 4"}));
  EXPECT_EQ(LoadScheduleFields("=5"), (std::array<std::string, 5>{"5", "", "", "", ""}));
}

}  // namespace skelder::testing
