#include "gui/tree/TreeCommands.h"

#include <QToolButton>

#include "core/base/ProgramFolder.h"
#include "core/properties/ColorSchemas.h"
#include "gui/app/Commands.h"
#include "gui/app/MainWindow.h"
#include "gui/properties/SettingsPages.h"
#include "gui/properties/PropertyPages.h"
#include "gui/tree/ConnectionTreeView.h"
#include "gui/ui/LocalText.h"

namespace skelder {

TreeCommands::TreeCommands(MainWindow& window, ConnectionTreeView& view)
    : QObject(&window), window_(window), view_(view) {
  Commands& c = window_.commands();
  connect(c.addChild, &QAction::triggered, this, [this] { AddNode(AddKind::Child); });
  connect(c.addSibling, &QAction::triggered, this, [this] { AddNode(AddKind::Sibling); });
  connect(c.duplicate, &QAction::triggered, this, [this] { AddNode(AddKind::Duplicate); });
  connect(c.addSeparator, &QAction::triggered, this, [this] { AddNode(AddKind::Separator); });
  connect(c.deleteSelected, &QAction::triggered, this, &TreeCommands::DeleteSelected);
  connect(c.moveUp, &QAction::triggered, this, &TreeCommands::MoveUp);
  connect(c.moveDown, &QAction::triggered, this, &TreeCommands::MoveDown);
  connect(c.selectFromRoot, &QAction::triggered, this, &TreeCommands::SelectFromRoot);
  connect(c.expandAll, &QAction::triggered, this, &TreeCommands::ExpandAll);
  connect(c.collapseAll, &QAction::triggered, this, &TreeCommands::CollapseAll);
  connect(&view_, &ConnectionTreeView::nodeCollapsed, this, &TreeCommands::VTCollapsed);
  connect(&view_.treeModel(), &ConnectionTreeModel::renameRequested, this,
          [this](TreeNode* node, const QString& text) { VTNewText(node, ToLocal(text)); });
}

NewConnectionDefaults TreeCommands::newConnectionDefaults() const {
  const std::string ini = FindProgramFile(window_.programFolder(), "teraterm.ini");
  const SettingsPages& settings = const_cast<MainWindow&>(window_).settingsPages();
  NewConnectionDefaults defaults;
  defaults.colors = SchemaColorString(std::max(0, settings.cbDefColors->currentIndex()), ini);
  defaults.startLogging = settings.rbLog->isChecked();
  defaults.teraTermColors = TeraTermIniColors(ini);
  return defaults;
}

void TreeCommands::finish() { window_.RequestCommandRefresh(); }

void TreeCommands::AddNode(AddKind kind) {
  ConnectionTree& tree = window_.tree();
  // The new node takes the focus: unapplied edits of the current one are settled first,
  // so that they can never be applied to the new node.
  if (window_.HasPendingEdits() && tree.currentNode() &&
      !window_.propertyPages().resolvePendingEdits(tree.currentNode()->data.Name)) {
    finish();
    return;
  }
  duplicating_ = kind == AddKind::Duplicate;
  TreeNode* added = skelder::AddNode(tree, kind, newConnectionDefaults());
  duplicating_ = false;
  if (added) {
    tree.setCurrentNode(added);
    window_.UpdateCaption(true);
    window_.ShowNodeProperties();
    if (kind == AddKind::Child || kind == AddKind::Sibling) view_.startRename(added);
  }
  window_.ShowInsertMode(false);
  finish();
}

void TreeCommands::DeleteSelected() {
  window_.commands().deleteSelected->setEnabled(false);
  if (skelder::DeleteSelected(window_.tree(), window_.dialogs(), window_.HasPendingEdits(),
                              [this] { window_.SetPendingEdits(false); })) {
    window_.tree().setCurrentNode(window_.tree().focusedNode());
    window_.UpdateCaption(true);
    window_.ShowNodeProperties();
  }
  finish();
}

void TreeCommands::MoveUp() {
  bool stillMovable = false;
  if (skelder::MoveUp(window_.tree(), stillMovable)) {
    window_.commands().moveUp->setEnabled(stillMovable);
    window_.UpdateCaption(true);
  }
  finish();
}

void TreeCommands::MoveDown() {
  bool stillMovable = false;
  if (skelder::MoveDown(window_.tree(), stillMovable)) {
    window_.commands().moveDown->setEnabled(stillMovable);
    window_.UpdateCaption(true);
  }
  finish();
}

void TreeCommands::SelectFromRoot() {
  WidenSelectionToRoot(window_.tree(), false, window_.dialogs());
  finish();
}

void TreeCommands::ExpandAll() {
  skelder::ExpandAll(window_.tree());
  finish();
}

void TreeCommands::CollapseAll() {
  ConnectionTree& tree = window_.tree();
  TreeNode* computer = tree.computerNode();
  for (TreeNode* child = computer ? computer->firstChild() : nullptr; child;
       child = child->nextSibling()) {
    tree.collapseAll(child);
    if (!child->isExpanded()) skelder::VTCollapsed(tree, child);
  }
  finish();
}

void TreeCommands::VTNewText(TreeNode* node, const std::string& text) {
  if (!node || text == node->data.Name) return;
  RenameContext context;
  context.loadingOrPasting = window_.tree().loading() || duplicating_;
  context.teraTermColors =
      TeraTermIniColors(FindProgramFile(window_.programFolder(), "teraterm.ini"));
  const RenameResult result =
      skelder::VTNewText(window_.tree(), node, text, context, window_.dialogs());
  if (result != RenameResult::Unchanged) {
    window_.ShowNodeProperties();
    window_.UpdateCaption(true);
  }
  finish();
}

void TreeCommands::VTCollapsed(TreeNode* node) {
  skelder::VTCollapsed(window_.tree(), node);
  window_.ShowNodeProperties();
  finish();
}

}  // namespace skelder
