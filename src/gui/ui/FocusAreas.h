#pragma once
// Which area of the window a control with the keyboard focus belongs to: the controls are
// registered once when the window is built.
#include <QHash>

#include "gui/ui/FocusArea.h"

class QAbstractScrollArea;
class QWidget;

namespace skelder {

class FocusAreas {
 public:
  void add(const QWidget* control, FocusArea area);
  // The in-place editors a view opens over its viewport.
  void addEditorsOf(const QAbstractScrollArea* view, FocusArea area);

  FocusArea of(const QWidget* control) const;
  // Of the application's focus widget.
  FocusArea current() const;

 private:
  QHash<const QWidget*, FocusArea> controls_;
  QHash<const QAbstractScrollArea*, FocusArea> editorHosts_;
};

}  // namespace skelder
