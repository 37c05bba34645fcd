#include <QComboBox>
#include <QTest>

#include "MainWindowFixture.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {

using UpdateCheckWiring = MainWindowFixture;

// Choosing an interval sets the next due day at once: today's day number (days since
// 30 December 1899) plus the entry's days; the program's own loading of the list does not.
TEST_F(UpdateCheckWiring, ChoosingAnIntervalWritesTheNextCheckDay) {
  FixedClock clock(LocalTime{2026, 12, 11, 9, 30, 0, 0, 5});
  auto& window = create();
  context->clock = &clock;
  EXPECT_FALSE(key()->readInteger("NextCheck"));
  EXPECT_TRUE(window.commands().checkUpdates->isEnabled());
  auto* list = window.findChild<QComboBox*>("cbUpdateInterval");
  ASSERT_TRUE(list);
  const struct {
    int entry;
    int nextCheck;
  } cases[] = {{5, 46367}, {0, 46368}, {2, 46374}, {4, 46397}};
  for (const auto& c : cases) {
    list->setCurrentIndex(c.entry);
    emit list->activated(c.entry);
    EXPECT_EQ(key()->readInteger("NextCheck"), c.nextCheck) << c.entry;
  }
}

}  // namespace skelder::testing
