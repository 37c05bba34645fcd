#pragma once
// Assembling the macro of one run: the node's own text, for branch runs preceded by the
// macros of its ancestors below the ComputerNode, with the name keywords "$connection$",
// "$CONNECTION$", "$parent$" and "$PARENT$" filled in with the names of the nodes that
// own each piece of text.
#include <string>

#include "core/run/MacroLineList.h"
#include "core/tree/TreeNode.h"

namespace skelder {

// The macro editor as a run sees it.
struct EditorText {
  // The property pages hold edits not yet applied (to the focused node, the one run).
  bool pendingEdits = false;
  // The editor's whole text.
  std::string text;
  // For the "to cursor" runs: what CaptureTextToCursor took.
  std::string toCursor;
};

// The editor's lines from the first through the caret's line (counted from 0), that
// line whole, each followed by CR LF. A caret past the last line takes every line.
std::string CaptureTextToCursor(const std::string& editorText, int caretLine);

// The text with every lowerKeyword replaced by the owner name's first word (up to its
// first blank), then every upperKeyword by the whole name. Exact, case-sensitive
// matches; inserted text is not searched again.
std::string ReplaceNameKeywords(const std::string& text, const std::string& ownerName,
                                const std::string& lowerKeyword, const std::string& upperKeyword);

// The name of the node's parent in the sense of a branch: empty for a child of the
// ComputerNode (and for the ComputerNode itself).
std::string BranchParentName(const TreeNode& node);

// Whether "Run branch" takes in more than the node's own macro: its parent is not the
// ComputerNode (Level 2 or deeper) and an ancestor has a stored macro.
bool BranchRunOffered(const TreeNode& node);

// Empties the lines and fills them with the macro of the node: its own text (to the
// cursor, the editor's while edits are pending, else its stored macro decoded) and, with
// ancestors, theirs (always the stored ones) in front. Returns the branch name: the names
// of the nodes whose macros went in, outermost first, each followed by "_" (an ancestor
// with an empty name adds nothing).
std::string AssembleMacro(const TreeNode& node, bool wholeMacro, bool withAncestors,
                          const EditorText& editor, MacroLineList& lines);

}  // namespace skelder
