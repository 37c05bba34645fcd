#pragma once
// The commands that change the shape and the names of the connection tree, with their
// questions. They change the tree's records, selection and focus; marking the table
// modified and starting the in-place rename are the window's part.
#include <functional>
#include <string>
#include <vector>

#include "core/base/UserDialogs.h"
#include "core/tree/ConnectionTree.h"

namespace skelder {

enum class AddKind { Child = 0, Duplicate = 1, Separator = 2, Sibling = 3 };

// What new connections directly below the ComputerNode get.
struct NewConnectionDefaults {
  std::string colors;          // the colour string of the default schema
  bool startLogging = false;   // "Start logging" on the "New Connections" page
  std::string teraTermColors;  // TeraTermIniColors, for separator lines
};

// Adds a node of the kind next to or below the focused node, inside one update batch,
// then makes it the only selected and the focused node. Null when there is no focused
// node or the kind does not apply to it.
TreeNode* AddNode(ConnectionTree& tree, AddKind kind, const NewConnectionDefaults& defaults);

// Asks before deleting the selection; true when it may go ahead.
bool ConfirmDelete(const ConnectionTree& tree, UserDialogs& dialogs);

// "Delete selected": with pending edits only asks whether to discard them. Returns
// whether nodes were deleted; then the focus is on the remembered parent of the focused
// node, or on its nearest surviving ancestor when that parent was deleted too.
// discardPendingEdits runs, before anything is deleted, when the user agreed to drop them.
bool DeleteSelected(ConnectionTree& tree, UserDialogs& dialogs, bool pendingEdits,
                    const std::function<void()>& discardPendingEdits);

// The "&" and sibling checks of a rename.
bool ValidateName(const std::string& name, const TreeNode* node, UserDialogs& dialogs);

struct RenameContext {
  bool loadingOrPasting = false;  // a file is loading, a duplicate or paste is running
  std::string teraTermColors;     // colours of a separator that becomes a connection
};

enum class RenameResult {
  Unchanged,  // nothing happened (empty name, refused separator conversion)
  Refused,    // the name failed its checks: still shown again and marked modified
  Renamed,    // the name (or the separator conversion) was taken
};

// An in-place rename with the given text: blanks and control characters around it are
// removed; a text beginning with "-" turns the node into a separator line, an ordinary
// name turns a separator back into a connection.
RenameResult VTNewText(ConnectionTree& tree, TreeNode* node, const std::string& text,
                       const RenameContext& context, UserDialogs& dialogs);

// Moves the focused node before its previous (after its next) sibling; false when there
// is none. stillMovable tells whether it can move the same way once more.
bool MoveUp(ConnectionTree& tree, bool& stillMovable);
bool MoveDown(ConnectionTree& tree, bool& stillMovable);

// Selects every ancestor (of level 1 and more) of the selected nodes. With ask, the first
// ancestor added asks first; false when the user cancelled.
bool WidenSelectionToRoot(ConnectionTree& tree, bool ask, UserDialogs& dialogs);

void ExpandAll(ConnectionTree& tree);
void CollapseAll(ConnectionTree& tree);

// After a node collapsed: its descendants are deselected, it takes the focus (and the
// selection when nothing else is selected) and becomes the CurrentNode.
void VTCollapsed(ConnectionTree& tree, TreeNode* node);

// Trims blanks and control characters at both ends.
std::string TrimName(const std::string& text);

}  // namespace skelder
