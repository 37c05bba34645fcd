#pragma once
// The table as JSON: {"format": ..., "nodes": [NODE, ...]}, where NODE is {"name",
// "level", "kind", "logging", "macro", "popup", "schedule", "lastUpdated", "colors",
// "children": [NODE, ...]}. Macro and popup appear decoded; everything else as the node
// record holds it.
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "core/tree/ConnectionTree.h"

namespace skelder {

// Writes the nodes below the ComputerNode, one node per line, nested as in the tree.
// Works without recursion, so any depth the reader accepts can be written.
void WriteTableJson(std::ostream& out, const ConnectionTree& tree, const std::string& format);

// Adds the nodes of the description below the ComputerNode: missing fields are empty or
// zero, macro and popup are encoded with blanks as "+". The nesting, not "level", decides
// the level each node gets in a written table. On a field of the wrong type
// returns false with a message and adds nothing more.
bool AddNodesFromJson(const nlohmann::json& description, ConnectionTree& tree, bool codePageBytes,
                      std::string& error);

}  // namespace skelder
