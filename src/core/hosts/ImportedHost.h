#pragma once
// What a host import reads from another program's saved hosts, before the hosts become
// connections (core/hosts/HostConnections.h).
#include <string>
#include <vector>

namespace skelder {

enum class HostProtocol { Ssh, Telnet };

struct ImportedHost {
  std::string name;  // the connection's name: the host's alias or the session's name
  std::string host;  // the address to connect to
  int port = 22;
  std::string user;     // empty: Tera Term asks
  std::string keyFile;  // empty: password authentication
  HostProtocol protocol = HostProtocol::Ssh;
  std::string origin;  // where it came from, for the popup text
};

// An entry of the source that did not become a connection, and why.
struct SkippedHost {
  std::string entry;
  std::string reason;

  bool operator==(const SkippedHost& o) const { return entry == o.entry && reason == o.reason; }
};

struct HostImportResult {
  // The source could not be read at all: the message, and nothing else is filled.
  std::string error;
  std::string source;  // the source, as the popup texts name it
  std::vector<ImportedHost> hosts;
  std::vector<SkippedHost> skipped;
  int taken = 0;  // how many hosts became connections
};

}  // namespace skelder
