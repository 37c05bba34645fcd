#pragma once
// Imported hosts as connections: a new folder below the ComputerNode, named after the
// source, with one connection a host. Its macro connects as Tera Term's command line
// does:
//   connect 'HOST:PORT /ssh /2 /auth=publickey /user=USER /keyfile=FILE'   a key named
//   connect 'HOST:PORT /ssh /2 /auth=password /user=USER /ask4passwd'      no key
//   connect 'HOST:PORT /nossh'                                            telnet
// (no /user when the source names none; a value with blanks in double quotes; an IPv6
// address in brackets). Its popup text names the source and the entry it came from.
#include <string>

#include "core/hosts/ImportedHost.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeEditing.h"

namespace skelder {

std::string HostMacro(const ImportedHost& host);

// Adds the folder and the hosts whose names can be connection names (not empty, without
// "&", not beginning with "-"; the others go to the skipped ones), each taking the
// defaults of new connections and the stamp as its last update, then gives repeated
// sibling names their copy names as an import does. Sets result.taken and returns it;
// with none to take, the tree stays as it was.
int AddImportedHosts(ConnectionTree& tree, const std::string& folderName, HostImportResult& result,
                     const NewConnectionDefaults& defaults, const std::string& stamp);

}  // namespace skelder
