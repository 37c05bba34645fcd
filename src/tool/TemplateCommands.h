#pragma once
// skeldertool's templates command, which shows the menu a template file gives.
//
//   templates FILE
//     prints {"items": [ITEM, ...]} in menu order, ITEM being {"caption": ..., "tag": N,
//     "body": ...} for a template (tag: its entry in the template store) or
//     {"separator": true} for a separator line
#include <string>
#include <vector>

namespace skelder {

// Takes the arguments after the command's name and returns the exit status: 0 on
// success, 1 when the file is missing or cannot be read (the message on standard error),
// 2 for a wrong command line.
int TemplatesSubcommand(const std::vector<std::string>& arguments);

}  // namespace skelder
