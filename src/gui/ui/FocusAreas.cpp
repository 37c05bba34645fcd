#include "gui/ui/FocusAreas.h"

#include <QAbstractScrollArea>
#include <QApplication>

namespace skelder {

void FocusAreas::add(const QWidget* control, FocusArea area) { controls_.insert(control, area); }

void FocusAreas::addEditorsOf(const QAbstractScrollArea* view, FocusArea area) {
  editorHosts_.insert(view, area);
}

FocusArea FocusAreas::of(const QWidget* control) const {
  if (!control) return FocusArea::None;
  if (const auto found = controls_.constFind(control); found != controls_.constEnd()) return *found;
  for (auto host = editorHosts_.constBegin(); host != editorHosts_.constEnd(); ++host)
    if (control->parent() == host.key()->viewport() || control->parentWidget() == host.key())
      return host.value();
  return FocusArea::None;
}

FocusArea FocusAreas::current() const { return of(QApplication::focusWidget()); }

}  // namespace skelder
