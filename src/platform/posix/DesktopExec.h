#pragma once
// Command lines in the Exec key of freedesktop desktop entries.
#include <string>
#include <vector>

namespace skelder {

// The arguments as the value of an Exec key: each one that needs it in double quotes
// with its special characters escaped, percent signs doubled, and the whole escaped as
// a desktop entry string value, so that the launcher gets the arguments back unchanged.
std::string DesktopExecLine(const std::vector<std::string>& arguments);

}  // namespace skelder
