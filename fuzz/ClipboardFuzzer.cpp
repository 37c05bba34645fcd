// Clipboard and drag data of any bytes pasted into a small tree: a whole tree, unique
// names among siblings, and the branches that arrived, copied again and pasted where no
// sibling waits, arrive the same. (Not when a name holds a line feed: then the naming
// rule finds names inside other names, and a second pass may rename again.)
#include "FuzzSupport.h"
#include "core/tree/TreeClipboard.h"
#include "core/tree/TreeState.h"

using namespace skelder;
using namespace skelder::fuzz;

namespace {

void Build(ConnectionTree& tree) {
  ResetTree(tree);
  rVTNodeData data;
  data.Name = "Web";
  TreeNode* web = tree.appendChild(tree.computerNode(), data);
  data.Name = "n";
  tree.appendChild(web, data);
  data.Name = "Mail";
  tree.appendChild(tree.computerNode(), data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ConnectionTree tree;
  Build(tree);
  TreeNode* target = tree.computerNode()->firstChild();
  const auto arrived = InsertBranches(tree, bytes, target, AttachMode::FirstChild);
  NodesArrived(tree, arrived);
  CheckTree(tree);
  CheckSiblingNames(tree);
  if (arrived.empty()) return 0;

  // Copied again and pasted below a connection without children, the branches arrive as
  // they are.
  for (const TreeNode* node = tree.first(); node; node = tree.next(node))
    if (node->data.Name.find('\n') != std::string::npos) return 0;
  tree.clearSelection();
  for (TreeNode* node : arrived) tree.setSelected(node, true);
  const std::string copied = EncodeBranches(tree);
  ConnectionTree other;
  Build(other);
  TreeNode* empty = other.computerNode()->lastChild();
  const auto again = InsertBranches(other, copied, empty, AttachMode::FirstChild);
  NodesArrived(other, again);
  CheckTree(other);
  FUZZ_CHECK(again.size() == arrived.size());
  other.clearSelection();
  for (TreeNode* node : again) other.setSelected(node, true);
  FUZZ_CHECK(EncodeBranches(other) == copied);
  return 0;
}
