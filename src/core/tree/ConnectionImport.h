#pragma once
// Moving connections between tables through files: importing table files and the older
// product's ".BRF" connection files below the ComputerNode, exporting the selection.
#include <optional>
#include <string>

#include "core/base/Clock.h"
#include "core/tree/TableFileContext.h"

namespace skelder {

// Reads a ".BRF" file (a profile file whose section "BRF" holds rows of cells C1_R<i> to
// C8_R<i>) into the tree; false when the file is missing.
bool ImportBrf(TableFileContext& context, const std::string& path, const Clock& clock,
               const std::string& teraTermColors);

// Imports a ".SKD" or ".BRF" file (by its extension, in any letter case), then gives
// repeated sibling names their copy names. Returns how many nodes were renamed; nothing
// when the format is not supported (after its error box).
std::optional<int> ImportFile(TableFileContext& context, const std::string& path,
                              const Clock& clock, const std::string& teraTermColors);

// The warning after an import that renamed n nodes; empty for none.
std::string ImportRenameMessage(int renamed);

// "Export connection ...": widens the selection to the ancestors (asking once), asks for
// a file and writes the selected nodes to it. False when nothing was written; attempted
// tells whether a file was chosen.
bool ExportSelection(TableFileContext& context, bool* attempted = nullptr);

}  // namespace skelder
