#pragma once
// Writing a connection table file: Save, Save as and the conversion of old files write
// the whole tree, Export the selected nodes.
#include <string>

#include "core/tree/TableFileContext.h"

namespace skelder {

// The bytes of the table: every node below the ComputerNode (all) or only the selected
// ones, each with its depth in the tree as its level. False when a string is too long
// for the format.
bool EncodeTable(const ConnectionTree& tree, bool all, std::string& bytes);

// Replaces the file with the table, atomically: on failure the previous file stays as it
// was and the user is told "Error writing file " + display name + ".". Returns whether
// the file was written.
bool WriteTable(TableFileContext& context, const std::string& path, bool all);

}  // namespace skelder
