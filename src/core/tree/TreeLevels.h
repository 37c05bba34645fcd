#pragma once
// The depth bookkeeping of the records: Level is 0 for the ComputerNode, 1 for its
// children, and so on.
#include "core/tree/rVTNodeData.h"

namespace skelder {

class ConnectionTree;

// Called once when a node is first used: Level := parent's Level + 1 below the
// ComputerNode; the ComputerNode (no parent record) gets Level 0 and NodeKind 0.
void VTInitNode(const rVTNodeData* parent, rVTNodeData& node);

// Initialises every node not yet initialised and sets each Level to its parent's Level
// + 1, parents before children. Run after nodes were moved or copied.
void RecomputeLevels(ConnectionTree& tree);

}  // namespace skelder
