#pragma once
// The hosts of an OpenSSH client configuration file (ssh_config). Each "Host" line names
// hosts; a pattern among them (with "*", "?" or a leading "!") names none and is
// skipped. A host takes the first value of each keyword from the lines that apply to it,
// in file order, as ssh does: the lines before any "Host", and those of every "Host"
// block whose patterns match it (none of its negated ones). "Match" blocks are skipped,
// their conditions not evaluated. "Include" reads the files it names (relative ones below
// ~/.ssh, wildcards allowed) where it stands, at most 16 levels deep; a missing one is
// passed over, as ssh does. Values may be quoted ("..." or '...') to hold blanks.
//
// The host takes HostName (the alias by default), Port (22), User and the first
// IdentityFile ("~" and the tokens %d, %h, %r and %% replaced; "none" for no key).
#include <string>

#include "core/hosts/ImportedHost.h"

namespace skelder {

// homeFolder: the user's home folder, without a trailing separator. The origin of a host
// is its Host line: "line N: Host ..." in the file itself, "FILE, line N: Host ..." in an
// included one. A file that cannot be read leaves only the error.
HostImportResult ReadOpenSshConfig(const std::string& path, const std::string& homeFolder);

}  // namespace skelder
