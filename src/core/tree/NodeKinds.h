#pragma once
// The kinds of node: the ComputerNode on top, separator lines, connections.
#include "core/tree/TreeNode.h"

namespace skelder {

// The name every separator line carries.
inline constexpr const char* SeparatorText = "----- separator line -----";

// A node whose name begins with "-" is a separator line.
bool IsSeparator(const rVTNodeData& data);
bool IsSeparator(const TreeNode* node);
// A node is given and it is not a separator (the ComputerNode can have children).
bool CanHaveChildren(const TreeNode* node);

}  // namespace skelder
