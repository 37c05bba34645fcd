#pragma once
// skeldertool's host import.
//
//   import-hosts SOURCE TABLE [--folder DIR]
//     adds the hosts of SOURCE to the table as connections in a new folder (see
//     core/hosts/HostConnections.h): SOURCE is an OpenSSH client configuration file, or
//     "putty" for PuTTY's saved sessions. A table that does not exist yet is made. Prints
//     how many hosts were taken and which entries were skipped and why, then writes the
//     table (atomically, as Save does) when it took any. Key files are named to Tera Term
//     (in DIR, the tool's own folder by default) as it sees them (under Wine, as Windows
//     paths); new connections take the colours and logging of the settings' "New
//     Connections" page.
#include <string>
#include <vector>

namespace skelder {

// The arguments after the command's name. Exit status 0 on success (also when no host
// was taken: the table is then left as it was), 1 when the source or the table cannot be
// read or the table cannot be written (nothing is changed), 2 for a wrong command line.
int ImportHostsSubcommand(const std::vector<std::string>& arguments);

}  // namespace skelder
