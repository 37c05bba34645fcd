#include "core/tree/TableWriter.h"

#include "core/base/UserDialogs.h"
#include "core/text/FileBytes.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeRecord.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableFormat.h"
#include "platform/SystemInfo.h"

namespace skelder {

bool EncodeTable(const ConnectionTree& tree, bool all, std::string& bytes) {
  bytes.assign(kTableSignature, kSignatureLength);
  const TreeNode* computer = tree.computerNode();
  int count = 0;
  if (computer) count = all ? tree.nodeCount() - 1 : tree.selectedCount() - computer->isSelected();
  AppendInt32(bytes, count);
  if (!computer) return true;
  // Pre-order below the ComputerNode, keeping the depth as we go.
  const TreeNode* node = computer->firstChild();
  std::int32_t depth = 1;
  while (node) {
    if ((all || node->isSelected()) && !VTSaveNode(bytes, node->data, depth)) return false;
    if (const TreeNode* child = node->firstChild()) {
      node = child;
      ++depth;
      continue;
    }
    while (node && node != computer && !node->nextSibling()) {
      node = node->parent();
      --depth;
    }
    node = node && node != computer ? node->nextSibling() : nullptr;
  }
  return true;
}

bool WriteTable(TableFileContext& context, const std::string& path, bool all) {
  context.host.setBusy(true);
  std::string bytes;
  const bool written = EncodeTable(context.tree, all, bytes) && !ReplaceFileBytes(path, bytes);
  if (!written)
    context.dialogs.error("Error writing file " + context.system.shellDisplayName(path) + ".");
  context.host.setBusy(false);
  return written;
}

}  // namespace skelder
