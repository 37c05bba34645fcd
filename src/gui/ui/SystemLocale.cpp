#include "gui/ui/SystemLocale.h"
#include "gui/ui/LocalText.h"

#include <QLocale>

namespace skelder {

LocaleNames SystemLocaleNames() {
  const QLocale locale = QLocale::system();
  auto local = [](const QString& text) { return ToLocal(text); };
  LocaleNames names;
  for (int day = 0; day < 7; ++day)  // Sunday first; Qt counts Monday as 1 and Sunday as 7
    names.days[static_cast<size_t>(day)] =
        local(locale.dayName(day == 0 ? 7 : day, QLocale::LongFormat));
  for (int month = 1; month <= 12; ++month)
    names.months[static_cast<size_t>(month - 1)] =
        local(locale.monthName(month, QLocale::ShortFormat));
  return names;
}

}  // namespace skelder
