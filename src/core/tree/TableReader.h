#pragma once
// Reading a connection table file: Open, the recent-file list and start-up read it as
// the current table (into a freshly reset tree); an import adds its nodes below the
// existing ComputerNode and changes nothing else.
#include <string>

#include "core/tree/TableFileContext.h"

namespace skelder {

// Reads the table at path into the tree; true on success. Failures are told to the user
// through the context's dialogs. Records that cannot be read whole, and lengths or a
// node count that cannot fit in the rest of the file, end the read with "Error reading
// the file. It contains inconsistent data."; the nodes read before stay in the tree.
// Opening a file of the old format first copies it to path + ".bak" and rewrites it in
// the current format after reading; importing one changes no file.
bool ReadTable(TableFileContext& context, const std::string& path, bool import);

// The colour string of an old-format record in the current form: the six old colours,
// a seventh of 0,0,255 and an eighth copied from the second.
std::string ConvertOldColorString(const std::string& oldColors);

}  // namespace skelder
