#include "gui/tree/ConnectionTreeView.h"

#include "core/tree/NodeFilter.h"
#include "core/tree/TreeClipboard.h"
#include "gui/tree/EditCommands.h"
#include "gui/tree/FilteredTreeModel.h"
#include "gui/ui/LocalText.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>

namespace skelder {

namespace {

// Runs f with the guard set, so the view's own signals are not passed back to the tree.
template <typename F>
void Guarded(bool& guard, F f) {
  const bool old = guard;
  guard = true;
  f();
  guard = old;
}

}  // namespace

namespace {

// The space Qt's item styles leave on either side of an item's text.
constexpr int kTextMargin = 3;

// The in-place name editor: created for one node, it tells the window about itself so
// that the shared insert mode and its overwrite rule apply to it.
class NodeNameDelegate : public QStyledItemDelegate {
 public:
  NodeNameDelegate(ConnectionTreeView* view) : QStyledItemDelegate(view), view_(view) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor->setObjectName(QStringLiteral("VTEditor"));
    emit view_->editorCreated(editor);
    return editor;
  }

  // Under a filter, the parts of a matching name that hold a typed word are bold.
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const NodeFilter* filter = view_->filter();
    const TreeNode* node = view_->nodeAt(index);
    const auto parts = filter && node && node != view_->treeModel().tree().computerNode()
                           ? MatchedSpans(node->data.Name, filter->words())
                           : std::vector<std::pair<std::size_t, std::size_t>>();
    if (parts.empty()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QString text = item.text;
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    item.text = text;
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                           .adjusted(kTextMargin, 0, -kTextMargin, 0);
    painter->save();
    painter->setClipRect(area);
    const bool selected = item.state & QStyle::State_Selected;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    QFont bold = item.font;
    bold.setBold(true);
    int x = area.left();
    std::size_t at = 0;
    auto draw = [&](std::size_t end, bool emphasised) {
      if (end <= at) return;
      const QString piece = FromLocal(node->data.Name.substr(at, end - at));
      const QFont& font = emphasised ? bold : item.font;
      painter->setFont(font);
      painter->drawText(QRect(x, area.top(), area.right() - x + 1, area.height()),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, piece);
      x += QFontMetrics(font).horizontalAdvance(piece);
      at = end;
    };
    for (const auto& [begin, end] : parts) {
      draw(begin, false);
      draw(end, true);
    }
    draw(node->data.Name.size(), false);
    painter->restore();
  }

 private:
  ConnectionTreeView* view_;
};

}  // namespace

ConnectionTreeView::ConnectionTreeView(ConnectionTreeModel& model, QWidget* parent)
    : QTreeView(parent), model_(model), tree_(model.tree()), timer7_(new QTimer(this)) {
  timer7_->setObjectName(QStringLiteral("Timer7"));
  timer7_->setSingleShot(true);
  timer7_->setInterval(300);
  setItemDelegate(new NodeNameDelegate(this));
  setObjectName(QStringLiteral("VT"));
  setModel(&model_);
  header()->hide();
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
  setExpandsOnDoubleClick(true);
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  setIconSize(QSize(16, 18));
  setMinimumWidth(30);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);

  watchSelection(selectionModel());
  connect(this, &QTreeView::expanded, this,
          [this](const QModelIndex& i) { userExpanded(i, true); });
  connect(this, &QTreeView::collapsed, this,
          [this](const QModelIndex& i) { userExpanded(i, false); });
  connect(&model_, &ConnectionTreeModel::rebuilt, this, [this] { mirrorAll(true); });
  connect(&model_, &ConnectionTreeModel::selectionMirrored, this,
          &ConnectionTreeView::mirrorSelection);
  connect(&model_, &ConnectionTreeModel::expansionMirrored, this,
          &ConnectionTreeView::mirrorExpansion);
  connect(&model_, &ConnectionTreeModel::focusMirrored, this, &ConnectionTreeView::mirrorFocus);
}

void ConnectionTreeView::watchSelection(QItemSelectionModel* selection) {
  connect(selection, &QItemSelectionModel::selectionChanged, this,
          &ConnectionTreeView::userSelectionChanged);
  connect(selection, &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current, const QModelIndex&) { userCurrentChanged(current); });
}

void ConnectionTreeView::showFiltered(FilteredTreeModel* filtered) {
  if (filtered == filtered_) return;
  if (filtered_) disconnect(filtered_, nullptr, this, nullptr);
  filtered_ = filtered;
  QItemSelectionModel* old = selectionModel();
  Guarded(mirroring_, [&] {
    if (filtered)
      setModel(filtered);
    else
      setModel(&model_);
  });
  delete old;  // as QAbstractItemView::setModel asks
  watchSelection(selectionModel());
  // The filter resets its model each time it shows other nodes; the focused node stays
  // the same (the filter keeps it), so the pages are not told of it again.
  if (filtered) {
    connect(filtered, &QAbstractItemModel::modelReset, this, [this] { mirrorAll(false); });
    connect(filtered, &FilteredTreeModel::wordsChanged, viewport(), qOverload<>(&QWidget::update));
  }
  mirrorAll(false);
  scrollTo(viewIndex(tree_.focusedNode()));
}

const NodeFilter* ConnectionTreeView::filter() const {
  return filtered_ ? &filtered_->filter() : nullptr;
}

QModelIndex ConnectionTreeView::viewIndex(const TreeNode* node) const {
  return filtered_ ? filtered_->indexOf(node) : model_.indexOf(node);
}

void ConnectionTreeView::focusInEvent(QFocusEvent* event) {
  timer7_->start();
  QTreeView::focusInEvent(event);
}

void ConnectionTreeView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F2) timer7_->stop();
  QTreeView::keyPressEvent(event);
}

// VTEditing: never the ComputerNode; a click just after the tree got the focus only
// focuses it.
bool ConnectionTreeView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  const TreeNode* node = nodeAt(index);
  if (!node || node == tree_.computerNode()) return false;
  if (trigger == QAbstractItemView::SelectedClicked && timer7_->isActive()) return false;
  return QTreeView::edit(index, trigger, event);
}

// A click on a node's icon adds the node to the selection and focuses it, keeping the
// other selected nodes.
void ConnectionTreeView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasDecoration;
    option.decorationSize = iconSize();
    const QRect icon = style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
    if (icon.contains(event->position().toPoint())) {
      setFocus(Qt::MouseFocusReason);
      selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select);
      event->accept();
      return;
    }
  }
  QTreeView::mousePressEvent(event);
}

void ConnectionTreeView::startDrag(Qt::DropActions) {
  const TreeNode* focused = tree_.focusedNode();
  if (!focused || focused == tree_.computerNode()) return;  // the ComputerNode stays
  emit dragStarted();
  auto* drag = new QDrag(this);
  drag->setMimeData(EditCommands::BranchesData(EncodeBranches(tree_)));
  drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void ConnectionTreeView::dragMoveEvent(QDragMoveEvent* event) {
  QTreeView::dragMoveEvent(event);
  const QModelIndex index = indexAt(event->position().toPoint());
  TreeNode* target = nodeAt(index);
  DropPosition position = DropPosition::On;
  switch (dropIndicatorPosition()) {
    case QAbstractItemView::AboveItem:
      position = DropPosition::Above;
      break;
    case QAbstractItemView::BelowItem:
      position = DropPosition::Below;
      break;
    case QAbstractItemView::OnItem:
      break;
    default:
      target = nullptr;
  }
  const bool ours =
      event->source() == this && event->mimeData()->hasFormat(EditCommands::BranchesMimeType());
  if (ours && DropAllowed(tree_, target, position))
    event->acceptProposedAction();
  else
    event->ignore();
}

void ConnectionTreeView::dropEvent(QDropEvent* event) {
  if (event->source() != this || !event->mimeData()->hasFormat(EditCommands::BranchesMimeType())) {
    event->ignore();
    return;
  }
  TreeNode* target = nodeAt(indexAt(event->position().toPoint()));
  DropPosition position = DropPosition::On;
  if (dropIndicatorPosition() == QAbstractItemView::AboveItem) position = DropPosition::Above;
  if (dropIndicatorPosition() == QAbstractItemView::BelowItem) position = DropPosition::Below;
  if (!DropAllowed(tree_, target, position)) {
    event->ignore();
    return;
  }
  const bool copy = event->modifiers() & Qt::ControlModifier;
  emit nodesDropped(target, static_cast<int>(position), copy);
  // The nodes were moved here; the view must not remove anything at the drag's end.
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void ConnectionTreeView::startRename(const TreeNode* node) {
  timer7_->stop();
  const QModelIndex index = viewIndex(node);
  scrollTo(index);
  edit(index, QAbstractItemView::EditKeyPressed, nullptr);
}

void ConnectionTreeView::userSelectionChanged(const QItemSelection& selected,
                                              const QItemSelection& deselected) {
  if (mirroring_) return;
  Guarded(mirroring_, [&] {
    for (const QModelIndex& index : deselected.indexes()) tree_.setSelected(nodeAt(index), false);
    for (const QModelIndex& index : selected.indexes()) tree_.setSelected(nodeAt(index), true);
  });
}

void ConnectionTreeView::userCurrentChanged(const QModelIndex& current) {
  if (mirroring_) return;
  TreeNode* node = nodeAt(current);
  TreeNode* old = tree_.focusedNode();
  if (node != old && focusChangeAllowed && !focusChangeAllowed(node)) {
    // Refused: the old node is selected and focused again.
    tree_.clearSelection();
    if (old) tree_.setSelected(old, true);
    tree_.setFocusedNode(old);
    mirrorFocus(old);
    return;
  }
  Guarded(mirroring_, [&] { tree_.setFocusedNode(node); });
  emit focusedNodeChanged(node);
}

void ConnectionTreeView::userExpanded(const QModelIndex& index, bool expanded) {
  if (mirroring_ || filtered_) return;
  TreeNode* node = nodeAt(index);
  bool done = true;
  Guarded(mirroring_, [&] { done = tree_.setExpanded(node, expanded); });
  if (!done) Guarded(mirroring_, [&] { setExpanded(index, node->isExpanded()); });
  if (done && !expanded) emit nodeCollapsed(node);
}

void ConnectionTreeView::mirrorSelection(const TreeNode* node) {
  if (mirroring_) return;
  Guarded(mirroring_, [&] {
    selectionModel()->select(viewIndex(node), node->isSelected() ? QItemSelectionModel::Select
                                                                 : QItemSelectionModel::Deselect);
  });
}

void ConnectionTreeView::mirrorExpansion(const TreeNode* node) {
  if (mirroring_ || filtered_) return;
  Guarded(mirroring_, [&] { setExpanded(viewIndex(node), node->isExpanded()); });
}

void ConnectionTreeView::mirrorFocus(const TreeNode* node) {
  if (mirroring_) return;
  Guarded(mirroring_, [&] {
    selectionModel()->setCurrentIndex(viewIndex(node), QItemSelectionModel::NoUpdate);
  });
  emit focusedNodeChanged(const_cast<TreeNode*>(node));
}

// After a rebuild the view has forgotten everything: one pass over the tree restores the
// expanded nodes (under a filter: every shown one), the selection and the focus.
void ConnectionTreeView::mirrorAll(bool announceFocus) {
  Guarded(mirroring_, [&] {
    QItemSelection selection;
    if (filtered_) expandAll();
    int selectedLeft = tree_.selectedCount();
    for (TreeNode* node = tree_.first(); node && (selectedLeft > 0 || !filtered_);
         node = tree_.next(node)) {
      if (!filtered_ && node->isExpanded()) setExpanded(viewIndex(node), true);
      if (node->isSelected()) {
        --selectedLeft;
        const QModelIndex index = viewIndex(node);
        selection.select(index, index);
      }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(viewIndex(tree_.focusedNode()),
                                      QItemSelectionModel::NoUpdate);
  });
  if (announceFocus) emit focusedNodeChanged(tree_.focusedNode());
}

}  // namespace skelder
