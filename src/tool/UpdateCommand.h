#pragma once
// skeldertool's update check, the update window's chain without the window.
//
//   check-updates [--folder DIR]
//     prints the installed and the latest versions of Tera Term (in DIR, the tool's own
//     folder by default) and of the product, then the results text; stores the latest
//     versions found in the settings as the window does
//
// The base addresses are the built-in ones unless SKELDER_TERMINAL_UPDATE_BASE or
// SKELDER_PRODUCT_UPDATE_BASE name others.
#include <string>
#include <vector>

namespace skelder {

// The arguments after the command's name. Exit status 0 when nothing is newer, 1 when
// something is, 2 when the check failed (a download failed, or a latest version could
// not be read) or for a wrong command line (after a message on standard error).
int CheckUpdatesSubcommand(const std::vector<std::string>& arguments);

}  // namespace skelder
