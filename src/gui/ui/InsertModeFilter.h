#pragma once
// The insert/overwrite mode of single-line fields and of the code editors: the Insert key
// without modifiers toggles one shared flag; in overwrite mode a typed character replaces
// the character after the caret. Installed as an event filter on each field and editor;
// an editor takes the shared mode when it gets the focus.
#include <QObject>
#include <functional>

namespace skelder {

class InsertModeFilter : public QObject {
  Q_OBJECT
 public:
  explicit InsertModeFilter(QObject* parent = nullptr) : QObject(parent) {}

  bool insertMode() const { return insert_; }
  void setInsertMode(bool insert) { insert_ = insert; }
  // Called after the Insert key toggled the mode.
  std::function<void()> toggled;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool insert_ = true;
};

}  // namespace skelder
