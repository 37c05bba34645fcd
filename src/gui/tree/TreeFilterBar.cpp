#include "gui/tree/TreeFilterBar.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/tree/ConnectionTreeView.h"
#include "gui/tree/FilteredTreeModel.h"
#include "gui/ui/LocalText.h"

namespace skelder {

TreeFilterBar::TreeFilterBar(ConnectionTreeView& view, QWidget* parent)
    : QWidget(parent), view_(view), box_(new QLineEdit(this)) {
  box_->setObjectName(QStringLiteral("VTFilter"));
  box_->setPlaceholderText(QStringLiteral("Filter (Ctrl+E)"));
  box_->setClearButtonEnabled(true);
  box_->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 2);
  layout->addWidget(box_);
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
  shortcut->setContext(Qt::WindowShortcut);
  connect(shortcut, &QShortcut::activated, this, &TreeFilterBar::focusBox);
  connect(box_, &QLineEdit::textChanged, this, &TreeFilterBar::textTyped);
}

TreeFilterBar::~TreeFilterBar() = default;

void TreeFilterBar::focusBox() {
  box_->setFocus(Qt::ShortcutFocusReason);
  box_->selectAll();
}

void TreeFilterBar::clearFilter() {
  box_->clear();
  view_.setFocus(Qt::OtherFocusReason);
}

bool TreeFilterBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_ && event->type() == QEvent::FocusIn) model().readAhead();
  if (watched == box_ && event->type() == QEvent::FocusOut && filtered_ &&
      !filtered_->filter().active())
    dropModel();
  if (watched == box_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
      clearFilter();
      return true;
    }
    if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
      view_.setFocus(Qt::OtherFocusReason);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// The filter's model lives while the box has the keyboard or a filter is on: it reads
// the tree when the box gets the keyboard, so that the first key does not wait for it.
void TreeFilterBar::textTyped(const QString& text) {
  const std::string typed = ToLocal(text);
  const bool on = !FilterWords(typed).empty();
  if (!on && !filtered_) return;
  if (!on) view_.showFiltered(nullptr);
  model().setText(typed);
  if (!on) {
    if (!box_->hasFocus()) dropModel();
    return;
  }
  view_.showFiltered(filtered_);
  leaveOnlyShownSelected();
}

FilteredTreeModel& TreeFilterBar::model() {
  if (!filtered_) filtered_ = new FilteredTreeModel(view_.treeModel(), this);
  return *filtered_;
}

void TreeFilterBar::dropModel() {
  delete filtered_;
  filtered_ = nullptr;
}

void TreeFilterBar::refreshNow() {
  if (filtered_) filtered_->refresh();
}

// Hidden nodes leave the selection, so that the tree's commands act on what shows.
void TreeFilterBar::leaveOnlyShownSelected() {
  ConnectionTree& tree = view_.treeModel().tree();
  const TreeNode* focused = tree.focusedNode();
  // The focused node always shows: alone in the selection it leaves nothing to do.
  if (tree.selectedCount() == 0 || (tree.selectedCount() == 1 && focused && focused->isSelected()))
    return;
  const NodeFilter& filter = filtered_->filter();
  for (TreeNode* node = tree.first(); node; node = tree.next(node))
    if (node->isSelected() && !filter.shows(node)) tree.setSelected(node, false);
}

}  // namespace skelder
