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

  refresh_.setSingleShot(true);
  refresh_.setInterval(0);
  connect(&refresh_, &QTimer::timeout, this, &TreeFilterBar::refreshNow);
  const ConnectionTreeModel& model = view_.treeModel();
  connect(&model, &QAbstractItemModel::rowsInserted, this, &TreeFilterBar::treeChanged);
  connect(&model, &QAbstractItemModel::rowsRemoved, this, &TreeFilterBar::treeChanged);
  connect(&model, &QAbstractItemModel::rowsMoved, this, &TreeFilterBar::treeChanged);
  connect(&model, &QAbstractItemModel::dataChanged, this, &TreeFilterBar::treeChanged);
  connect(&model, &QAbstractItemModel::modelReset, this, &TreeFilterBar::treeChanged);
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

void TreeFilterBar::textTyped(const QString& text) {
  const bool wasActive = filter_.active();
  ConnectionTree& tree = view_.treeModel().tree();
  filter_.setText(ToLocal(text), tree, tree.focusedNode());
  show(wasActive);
}

void TreeFilterBar::treeChanged() {
  filter_.treeChanged();
  if (filter_.active()) refresh_.start();
}

void TreeFilterBar::refreshNow() {
  refresh_.stop();
  if (!filter_.active()) return;
  const ConnectionTree& tree = view_.treeModel().tree();
  filter_.refresh(tree, tree.focusedNode());
  show(true);
}

// Hidden nodes leave the selection, so that the tree's commands act on what shows.
void TreeFilterBar::show(bool wasActive) {
  if (!filter_.active()) {
    if (!wasActive) return;
    view_.showFiltered(nullptr, nullptr);
    filtered_->deleteLater();
    filtered_ = nullptr;
    return;
  }
  ConnectionTree& tree = view_.treeModel().tree();
  if (tree.selectedCount() > 0) {
    for (TreeNode* node = tree.first(); node; node = tree.next(node))
      if (node->isSelected() && !filter_.shows(node)) tree.setSelected(node, false);
  }
  if (!filtered_)
    filtered_ = new FilteredTreeModel(view_.treeModel(), filter_, this);
  else
    filtered_->refilter();
  view_.showFiltered(filtered_, &filter_);
}

}  // namespace skelder
