#pragma once
// skeldertool's import command, for merging tables from a script:
//
//   import TABLE FILE... [--folder DIR]
//     imports every FILE (".SKD" or ".BRF", as the window's "Import connection ...")
//     into TABLE in turn, renaming repeated sibling names as the import does, and writes
//     TABLE once at the end, atomically. A missing TABLE starts empty and is created;
//     an old-format TABLE is backed up and converted as opening it does. The rows of a
//     ".BRF" file without colours take those of teraterm.ini in the Tera Term folder,
//     the tool's own folder unless --folder names another.
//
// Every message the window would show goes to standard error. When TABLE or any FILE
// cannot be read, TABLE is left as it was.
#include <string>
#include <vector>

namespace skelder {

// Takes the arguments after "import"; returns 0 on success, 1 when a file cannot be read
// or TABLE cannot be written, 2 for a wrong command line (after a message).
int ImportSubcommand(const std::vector<std::string>& arguments);

}  // namespace skelder
