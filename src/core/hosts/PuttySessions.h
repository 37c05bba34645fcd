#pragma once
// The hosts of PuTTY's saved sessions: an SSH or telnet session with a host name becomes
// a host named after the session (its stored name percent-decoded); "Default Settings",
// sessions of other protocols and sessions without a host name are skipped. A host name
// "user@host" names the user when the session names none.
#include <string>

#include "core/hosts/ImportedHost.h"
#include "platform/PuttySessionStore.h"

namespace skelder {

HostImportResult ReadPuttySessions(const PuttySessionStore& store);

// The name with every "%" and two hexadecimal digits replaced by that byte.
std::string PercentDecoded(const std::string& name);

}  // namespace skelder
