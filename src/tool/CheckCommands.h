#pragma once
// skeldertool's macro checks.
//
//   check TABLE [PATH] [--branch] [--folder DIR]   (tool/MacroSubcommands.h)
//   check-ttl FILE... [--folder DIR]
//     checks the macro files; each finding is printed as "FILE:LINE:COLUMN: error|warning:
//     message" on standard output
//
// The commands come from "KeyFile.ini" in the Tera Term folder (the tool's own unless
// --folder names another); without it they are not checked, after a note on standard
// error.
#include <string>
#include <vector>

#include "core/check/MacroFinding.h"
#include "core/editor/KeywordStore.h"

namespace skelder {

// The keyword file of the folder (ending with its separator) into the store; a note on
// standard error when there is none.
void LoadCheckKeywords(const std::string& folder, KeywordStore& keywords);

// Prints the findings, each as FindingLine(file, ...) on a line of its own.
void PrintFindings(const std::string& file, const std::vector<MacroFinding>& findings);

// The arguments after the command's name. Exit status 0 when no error was found
// (warnings allowed), 1 when one was, 2 for a wrong command line or a file that cannot
// be read (after a message on standard error).
int CheckTtlSubcommand(const std::vector<std::string>& arguments);

}  // namespace skelder
