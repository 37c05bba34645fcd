#pragma once
// The text and the icon shown for a node.
#include <optional>
#include <string>

#include "core/tree/ConnectionTree.h"

namespace skelder {

class SystemInfo;

// Indexes into the nine tree images.
enum TreeImage {
  ImageComputer = 0,
  ImageConnection = 1,
  ImageConnectionWithMacro = 2,
  ImageSeparator = 3,
  ImageStack = 4,
  ImageCutOffset = 4,  // added to 1, 2 and 3 for nodes waiting to be moved by a cut
  ImageEmpty = 8,
};

// "This computer (" + the machine's network name + ")" for the first node of the tree,
// the node's Name for every other node.
std::string VTGetText(const ConnectionTree& tree, const TreeNode& node, const SystemInfo& system);

// The image of the node, worked out from Level, Name and Macro (never from NodeKind);
// nothing while the tree is loading. Level is the real depth only once the node is
// initialised (ConnectionTree::initNode), which a view does before it first shows a node.
std::optional<int> VTGetImageIndex(const ConnectionTree& tree, const TreeNode& node);

}  // namespace skelder
