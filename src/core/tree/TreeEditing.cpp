#include "core/tree/TreeEditing.h"

#include <algorithm>

#include "core/tree/NodeKinds.h"
#include "core/tree/NodeNaming.h"
#include "core/tree/TreeUpdateBatch.h"

namespace skelder {

namespace {

void FocusOnly(ConnectionTree& tree, TreeNode* node) {
  tree.clearSelection();
  if (!node) return;
  tree.setSelected(node, true);
  tree.setFocusedNode(node);
}

bool IsBlankOrControl(unsigned char c) { return c <= ' '; }

}  // namespace

std::string TrimName(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlankOrControl(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && IsBlankOrControl(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

TreeNode* AddNode(ConnectionTree& tree, AddKind kind, const NewConnectionDefaults& defaults) {
  TreeNode* focused = tree.focusedNode();
  if (!focused) return nullptr;
  const bool onComputer = focused == tree.computerNode();
  TreeNode* added = nullptr;
  {
    TreeUpdateBatch batch(tree);
    switch (kind) {
      case AddKind::Child:
      case AddKind::Sibling: {
        if (kind == AddKind::Child && !CanHaveChildren(focused)) return nullptr;
        if (kind == AddKind::Sibling && onComputer) return nullptr;
        rVTNodeData data;
        data.Name = NewConnectionName(tree);
        TreeNode* parent = kind == AddKind::Child ? focused : focused->parent();
        tree.initNode(parent);
        if (parent->data.Level < 1) {
          data.Colors = defaults.colors;
          data.StartLogging = defaults.startLogging ? 1 : 0;
        } else {
          data.Colors = parent->data.Colors;
          data.StartLogging = parent->data.StartLogging;
        }
        added = kind == AddKind::Child ? tree.insert(focused, AttachMode::FirstChild, data)
                                       : tree.insert(focused, AttachMode::After, data);
        tree.setExpanded(focused, true);
        break;
      }
      case AddKind::Separator: {
        rVTNodeData data;
        data.Name = SeparatorText;
        data.Colors = defaults.teraTermColors;
        added = onComputer ? tree.insert(focused, AttachMode::LastChild, data)
                           : tree.insert(focused, AttachMode::After, data);
        if (onComputer) tree.setExpanded(focused, true);
        break;
      }
      case AddKind::Duplicate: {
        if (onComputer) return nullptr;
        const bool wasExpanded = focused->isExpanded();
        if (wasExpanded) tree.setExpanded(focused, false);
        added = tree.copySubtreeAfter(focused);
        if (added && !IsSeparator(added->data)) added->data.Name = UniqueCopyName(added);
        if (added && wasExpanded) {
          tree.setExpanded(focused, true);
          tree.setExpanded(added, true);
        }
        break;
      }
    }
    if (added) tree.initNode(added);
  }
  FocusOnly(tree, added);
  return added;
}

bool ConfirmDelete(const ConnectionTree& tree, UserDialogs& dialogs) {
  const std::vector<TreeNode*> selected = tree.selectedNodes();
  if (selected.empty()) return false;
  std::vector<TreeNode*> connections;
  for (TreeNode* node : selected)
    if (!IsSeparator(node->data)) connections.push_back(node);
  if (connections.size() >= 2) {
    return dialogs.messageBox(MessageKind::Confirmation, MessageButtons::YesNo,
                              "Deleting " + std::to_string(connections.size()) +
                                  " connections. All descendant connections will be also "
                                  "deleted.\rDo you want to continue?") == MessageAnswer::Yes;
  }
  if (connections.size() == 1) {
    const TreeNode* node = connections.front();
    std::string text;
    if (node->childCount() > 0)
      text = "Connection '" + node->data.Name + "' with" + " all descendants and associated data" +
             " will be deleted.";
    else if (!node->data.Macro.empty() || !node->data.Popup.empty())
      text = "Connection '" + node->data.Name + "' with" + " associated data" + " will be deleted.";
    if (!text.empty())
      return dialogs.messageBox(MessageKind::Warning, MessageButtons::YesNo,
                                text + "\rDo you want to continue?") != MessageAnswer::No;
  }
  return true;
}

bool DeleteSelected(ConnectionTree& tree, UserDialogs& dialogs, bool pendingEdits,
                    const std::function<void()>& discardPendingEdits) {
  TreeNode* focused = tree.focusedNode();
  // The focused node's ancestors, nearest first: the first one that survives takes the focus.
  std::vector<TreeNode*> ancestors;
  for (TreeNode* up = focused ? focused->parent() : nullptr; up; up = up->parent())
    ancestors.push_back(up);
  if (pendingEdits) {
    const TreeNode* current = tree.currentNode();
    const std::string name = current ? current->data.Name : std::string();
    if (dialogs.messageBox(MessageKind::Warning, MessageButtons::YesNo,
                           "Do you want to discard all data assosiated with '" + name + "' ?") !=
        MessageAnswer::Yes)
      return false;
    discardPendingEdits();
  } else if (!ConfirmDelete(tree, dialogs)) {
    return false;
  }
  // An ancestor survives unless it, or one of its own ancestors, is selected: the
  // nearest survivor is the one just below the topmost selected ancestor (the walk is
  // from the top, so it stays linear in the depth).
  TreeNode* target = nullptr;
  for (size_t i = ancestors.size(); i-- > 0;) {
    if (ancestors[i]->isSelected() && ancestors[i] != tree.computerNode()) break;
    target = ancestors[i];
  }
  tree.deleteSelected();
  if (!target) target = tree.computerNode();
  FocusOnly(tree, target);
  return true;
}

bool ValidateName(const std::string& name, const TreeNode* node, UserDialogs& dialogs) {
  if (name.find('&') != std::string::npos) {
    dialogs.messageBox(MessageKind::Warning, MessageButtons::Ok,
                       "Connection name cannot contain '&' character.");
    return false;
  }
  for (const TreeNode* sibling = node->previousSibling(); sibling;
       sibling = sibling->previousSibling())
    if (sibling->data.Name == name) {
      dialogs.messageBox(MessageKind::Warning, MessageButtons::Ok,
                         "Connection name has to be unique among its sibling connections.");
      return false;
    }
  for (const TreeNode* sibling = node->nextSibling(); sibling; sibling = sibling->nextSibling())
    if (sibling->data.Name == name) {
      dialogs.messageBox(MessageKind::Warning, MessageButtons::Ok,
                         "Connection name has to be unique among its sibling connections.");
      return false;
    }
  return true;
}

RenameResult VTNewText(ConnectionTree& tree, TreeNode* node, const std::string& text,
                       const RenameContext& context, UserDialogs& dialogs) {
  const std::string name = TrimName(text);
  rVTNodeData& data = node->data;
  if (name.empty()) {
    dialogs.messageBox(MessageKind::Warning, MessageButtons::Ok,
                       "Connection name cannot be empty.");
    return RenameResult::Unchanged;
  }
  if (name[0] == '-') {
    if (node->childCount() > 0) {
      dialogs.messageBox(MessageKind::Warning, MessageButtons::Ok,
                         "Connection '" + data.Name +
                             "' cannot be replaced with separator line when it has at least "
                             "one child.");
      return RenameResult::Unchanged;
    }
    if (!context.loadingOrPasting &&
        dialogs.messageBox(MessageKind::Warning, MessageButtons::YesNo,
                           "Connection '" + data.Name +
                               "' will be converted into separator line. All associated data "
                               "will be deleted.\r\rDo you want to continue?") == MessageAnswer::No)
      return RenameResult::Unchanged;
    data.Name = SeparatorText;
    data.NodeKind = 3;
    data.Macro.clear();
    data.Popup.clear();
    data.Schedule.clear();
    data.StartLogging = 0;
    tree.notifyChanged(node);
    return RenameResult::Renamed;
  }
  if (!context.loadingOrPasting && !ValidateName(name, node, dialogs)) return RenameResult::Refused;
  if (IsSeparator(data)) {
    data.Macro.clear();
    data.Popup.clear();
    data.Schedule.clear();
    data.StartLogging = 1;
    const TreeNode* parent = node->parent();
    data.Colors = parent && parent->data.Level > 0 ? parent->data.Colors : context.teraTermColors;
  }
  data.Name = name;
  tree.notifyChanged(node);
  tree.setCurrentNode(node);
  return RenameResult::Renamed;
}

bool MoveUp(ConnectionTree& tree, bool& stillMovable) {
  TreeNode* node = tree.focusedNode();
  TreeNode* previous = node ? node->previousSibling() : nullptr;
  if (!previous) return false;
  stillMovable = previous->previousSibling() != nullptr;
  return tree.move(node, previous, AttachMode::Before);
}

bool MoveDown(ConnectionTree& tree, bool& stillMovable) {
  TreeNode* node = tree.focusedNode();
  TreeNode* next = node ? node->nextSibling() : nullptr;
  if (!next) return false;
  stillMovable = next->nextSibling() != nullptr;
  return tree.move(node, next, AttachMode::After);
}

bool WidenSelectionToRoot(ConnectionTree& tree, bool ask, UserDialogs& dialogs) {
  TreeNode* computer = tree.computerNode();
  if (computer) tree.setSelected(computer, false);
  bool asked = false;
  for (TreeNode* node : tree.selectedNodes()) {
    for (TreeNode* up = node->parent(); up && up != computer; up = up->parent()) {
      // Selected nodes come in pre-order, so a selected ancestor already had its own
      // ancestors selected.
      if (up->isSelected()) break;
      if (ask && !asked) {
        asked = true;
        if (dialogs.messageBox(MessageKind::Warning, MessageButtons::OkCancel,
                               "Connection can be exported only together with all its parent "
                               "nodes.\rPress Ok to automatically expand your selection.") ==
            MessageAnswer::Cancel)
          return false;
      }
      tree.setSelected(up, true);
    }
  }
  if (computer) tree.setSelected(computer, false);
  return true;
}

void ExpandAll(ConnectionTree& tree) {
  if (TreeNode* computer = tree.computerNode()) tree.expandAll(computer);
}

void CollapseAll(ConnectionTree& tree) {
  TreeNode* computer = tree.computerNode();
  if (!computer) return;
  for (TreeNode* child = computer->firstChild(); child; child = child->nextSibling())
    tree.collapseAll(child);
}

void VTCollapsed(ConnectionTree& tree, TreeNode* node) {
  if (tree.loading() || !node) return;
  const TreeNode* end = tree.afterSubtree(node);
  for (TreeNode* below = tree.next(node); below && below != end; below = tree.next(below))
    if (below->isSelected()) tree.setSelected(below, false);
  if (tree.focusedNode() != node) tree.setFocusedNode(node);
  if (tree.selectedCount() == 0) tree.setSelected(node, true);
  tree.setCurrentNode(node);
}

}  // namespace skelder
