#include "core/tree/NodeKinds.h"

namespace skelder {

bool IsSeparator(const rVTNodeData& data) { return !data.Name.empty() && data.Name[0] == '-'; }

bool IsSeparator(const TreeNode* node) { return node && IsSeparator(node->data); }

bool CanHaveChildren(const TreeNode* node) { return node && !IsSeparator(node->data); }

}  // namespace skelder
