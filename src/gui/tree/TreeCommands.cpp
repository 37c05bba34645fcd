#include "gui/tree/TreeCommands.h"

#include <QAction>

#include "core/app/TableDocument.h"
#include "core/base/ProgramFolder.h"
#include "core/properties/ColorSchemas.h"
#include "gui/properties/PendingEdits.h"
#include "gui/properties/PropertyPages.h"
#include "gui/properties/SettingsPages.h"
#include "gui/tree/ConnectionTreeView.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/ProgramServices.h"

namespace skelder {

TreeCommands::TreeCommands(const TreeCommandsParts& parts, QObject* parent)
    : QObject(parent), parts_(parts), tree_(parts.tree), view_(parts.view) {
  connect(&view_, &ConnectionTreeView::nodeCollapsed, this, &TreeCommands::VTCollapsed);
  connect(&view_.treeModel(), &ConnectionTreeModel::renameRequested, this,
          [this](TreeNode* node, const QString& text) { VTNewText(node, ToLocal(text)); });
}

NewConnectionDefaults TreeCommands::newConnectionDefaults() const {
  const std::string ini = FindProgramFile(parts_.services.programFolder, "teraterm.ini");
  const SettingsPages& settings = parts_.settings;
  NewConnectionDefaults defaults;
  defaults.colors = SchemaColorString(std::max(0, settings.defaultSchema()), ini);
  defaults.startLogging = settings.logNewConnections();
  defaults.teraTermColors = TeraTermIniColors(ini);
  return defaults;
}

void TreeCommands::finish() { emit statesChanged(); }

void TreeCommands::AddNode(AddKind kind) {
  ConnectionTree& tree = tree_;
  // The new node takes the focus: unapplied edits of the current one are settled first,
  // so that they can never be applied to the new node.
  if (!parts_.properties.SettlePendingEdits()) {
    finish();
    return;
  }
  duplicating_ = kind == AddKind::Duplicate;
  TreeNode* added = skelder::AddNode(tree, kind, newConnectionDefaults());
  duplicating_ = false;
  if (added) {
    tree.setCurrentNode(added);
    parts_.document.setModified(true);
    parts_.properties.ShowNodeProperties();
    if (kind == AddKind::Child || kind == AddKind::Sibling) view_.startRename(added);
  }
  emit addFinished();
  finish();
}

void TreeCommands::DeleteSelected() {
  parts_.deleteSelected.setEnabled(false);
  if (skelder::DeleteSelected(tree_, parts_.services.dialogs, parts_.pending.any(),
                              [this] { parts_.pending.set(false); })) {
    tree_.setCurrentNode(tree_.focusedNode());
    parts_.document.setModified(true);
    parts_.properties.ShowNodeProperties();
  }
  finish();
}

void TreeCommands::MoveUp() {
  bool stillMovable = false;
  if (skelder::MoveUp(tree_, stillMovable)) {
    parts_.moveUp.setEnabled(stillMovable);
    parts_.document.setModified(true);
  }
  finish();
}

void TreeCommands::MoveDown() {
  bool stillMovable = false;
  if (skelder::MoveDown(tree_, stillMovable)) {
    parts_.moveDown.setEnabled(stillMovable);
    parts_.document.setModified(true);
  }
  finish();
}

void TreeCommands::SelectFromRoot() {
  WidenSelectionToRoot(tree_, false, parts_.services.dialogs);
  finish();
}

void TreeCommands::ExpandAll() {
  skelder::ExpandAll(tree_);
  finish();
}

void TreeCommands::CollapseAll() {
  ConnectionTree& tree = tree_;
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
  context.loadingOrPasting = tree_.loading() || duplicating_;
  context.teraTermColors =
      TeraTermIniColors(FindProgramFile(parts_.services.programFolder, "teraterm.ini"));
  const RenameResult result =
      skelder::VTNewText(tree_, node, text, context, parts_.services.dialogs);
  if (result != RenameResult::Unchanged) {
    parts_.properties.ShowNodeProperties();
    parts_.document.setModified(true);
  }
  finish();
}

void TreeCommands::VTCollapsed(TreeNode* node) {
  skelder::VTCollapsed(tree_, node);
  parts_.properties.ShowNodeProperties();
  finish();
}

}  // namespace skelder
