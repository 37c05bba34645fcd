#pragma once
// The filter box above the tree. Typing narrows the tree to the connections that hold
// every typed word (NodeFilter, through a FilteredTreeModel), with their ancestors
// expanded and the matching parts of their names in bold; the focused node stays too.
// Ctrl+E puts the keyboard in the box, Escape empties it and gives the keyboard back to
// the tree, which then shows every node with the expansion the user had.
#include <QWidget>

class QLineEdit;

namespace skelder {

class ConnectionTreeView;
class FilteredTreeModel;

class TreeFilterBar : public QWidget {
  Q_OBJECT
 public:
  TreeFilterBar(ConnectionTreeView& view, QWidget* parent);
  ~TreeFilterBar() override;

  QLineEdit* filterBox() const { return box_; }
  // Puts the keyboard in the box, its text selected.
  void focusBox();
  // Empties the box: the whole tree shows again, and the tree has the keyboard.
  void clearFilter();
  // Filters a changed record at once instead of on the next turn of the event loop.
  void refreshNow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void textTyped(const QString& text);
  FilteredTreeModel& model();
  void dropModel();
  void leaveOnlyShownSelected();

  ConnectionTreeView& view_;
  QLineEdit* box_;
  FilteredTreeModel* filtered_ = nullptr;
};

}  // namespace skelder
