#include "core/tree/NodeDisplay.h"

#include "platform/SystemInfo.h"

namespace skelder {

std::string VTGetText(const ConnectionTree& tree, const TreeNode& node, const SystemInfo& system) {
  if (&node == tree.first()) return "This computer (" + system.computerName() + ")";
  return node.data.Name;
}

std::optional<int> VTGetImageIndex(const ConnectionTree& tree, const TreeNode& node) {
  if (tree.loading()) return std::nullopt;
  const int base = node.hasCutMark() && tree.cutPending() ? ImageCutOffset : 0;
  const rVTNodeData& data = node.data;
  if (data.Level == 0) return ImageComputer;
  if (!data.Name.empty() && data.Name[0] == '-') return base + ImageSeparator;
  return base + (data.Macro.empty() ? ImageConnection : ImageConnectionWithMacro);
}

}  // namespace skelder
