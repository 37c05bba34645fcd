#include "core/hosts/PuttySessions.h"

namespace skelder {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Value(const PuttySession& session, const std::string& name) {
  const auto it = session.values.find(name);
  return it == session.values.end() ? std::string() : it->second;
}

}  // namespace

std::string PercentDecoded(const std::string& name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '%' && i + 2 < name.size() && HexDigit(name[i + 1]) >= 0 &&
        HexDigit(name[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(name[i + 1]) * 16 + HexDigit(name[i + 2]));
      i += 2;
    } else {
      out += name[i];
    }
  }
  return out;
}

HostImportResult ReadPuttySessions(const PuttySessionStore& store) {
  HostImportResult result;
  result.source = "PuTTY's saved sessions (" + store.location() + ")";
  std::vector<PuttySession> sessions;
  if (!store.read(sessions, result.error)) return result;
  for (const PuttySession& session : sessions) {
    const std::string name = PercentDecoded(session.name);
    if (name == "Default Settings") {
      result.skipped.push_back({name, "PuTTY's settings for new sessions"});
      continue;
    }
    ImportedHost host;
    host.name = name;
    host.origin = "session \"" + name + "\"";
    const std::string protocol = Value(session, "Protocol");
    if (protocol == "ssh") {
      host.protocol = HostProtocol::Ssh;
    } else if (protocol == "telnet") {
      host.protocol = HostProtocol::Telnet;
    } else {
      result.skipped.push_back(
          {name, "a " + (protocol.empty() ? "session of no protocol" : protocol + " session") +
                     ": only SSH and telnet sessions are taken"});
      continue;
    }
    host.host = Value(session, "HostName");
    host.user = Value(session, "UserName");
    if (const size_t at = host.host.rfind('@'); at != std::string::npos) {
      if (host.user.empty()) host.user = host.host.substr(0, at);
      host.host.erase(0, at + 1);
    }
    if (host.host.empty()) {
      result.skipped.push_back({name, "it names no host"});
      continue;
    }
    const std::string port = Value(session, "PortNumber");
    const bool number = !port.empty() && port.size() <= 5 &&
                        port.find_first_not_of("0123456789") == std::string::npos;
    host.port = port.empty() ? (host.protocol == HostProtocol::Ssh ? 22 : 23)
                : number     ? std::stoi(port)
                             : 0;
    if (host.port < 1 || host.port > 65535) {
      result.skipped.push_back({name, "its port " + port + " is no number from 1 to 65535"});
      continue;
    }
    if (host.protocol == HostProtocol::Ssh) host.keyFile = Value(session, "PublicKeyFile");
    result.hosts.push_back(std::move(host));
  }
  return result;
}

}  // namespace skelder
