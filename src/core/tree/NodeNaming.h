#pragma once
// The naming rules of new and copied connections: new names "Unnamed connection #" + n,
// copies "Copy of " + name and "Copy (" + n + ") of " + name, siblings named apart.
// Each rule gives the same result as matching the candidates as substrings of the names
// joined together, at the cost of one pass over the names.
#include <string>
#include <unordered_map>

#include "core/tree/ConnectionTree.h"

namespace skelder {

// The first "Unnamed connection #" + n (n = 1, 2, ...) that occurs nowhere inside the
// names of all nodes joined without separators.
std::string NewConnectionName(const ConnectionTree& tree);

// The name the node must carry to differ from its siblings: its own, "Copy of " + name,
// or the first free "Copy (" + n + ") of " + name. Separator lines keep their name.
std::string UniqueCopyName(const TreeNode* node);

// Gives every descendant of the node a name that differs from its siblings (later
// siblings get the copy names); returns how many nodes were renamed.
int MakeChildNamesUnique(ConnectionTree& tree, TreeNode* node);

// The candidate names of a copy in the order they are tried: 0 the name itself,
// 1 "Copy of " + name, n >= 2 "Copy (" + n + ") of " + name.
std::string CopyCandidate(const std::string& name, int index);

}  // namespace skelder
