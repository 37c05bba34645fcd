#include "core/hosts/HostConnections.h"

#include "core/tree/NodeNaming.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"
#include "core/tree/TreeUpdateBatch.h"

namespace skelder {

namespace {

// A command-line value: in double quotes when it holds a blank.
std::string Parameter(const std::string& value) {
  return value.find_first_of(" \t") == std::string::npos ? value : "\"" + value + "\"";
}

// A TTL string of the text: a "'" within it as the character #39 between two strings.
std::string TtlString(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'#39'") : std::string(1, c);
  return out + "'";
}

rVTNodeData Record(const std::string& name, const std::string& macro, const std::string& popup,
                   const NewConnectionDefaults& defaults, const std::string& stamp, int level) {
  rVTNodeData data;
  data.Name = name;
  data.Macro = EncodeNodeText(macro, true);
  data.Popup = EncodeNodeText(popup, true);
  data.Colors = defaults.colors;
  data.StartLogging = defaults.startLogging ? 1 : 0;
  data.LastUpdated = stamp;
  data.NodeKind = macro.empty() ? 1 : 2;
  data.Level = level;
  return data;
}

}  // namespace

std::string HostMacro(const ImportedHost& host) {
  const bool ipv6 = host.host.find(':') != std::string::npos;
  std::string line = (ipv6 ? "[" + host.host + "]" : host.host) + ":" + std::to_string(host.port);
  if (host.protocol == HostProtocol::Telnet) return "connect " + TtlString(line + " /nossh");
  line += host.keyFile.empty() ? " /ssh /2 /auth=password" : " /ssh /2 /auth=publickey";
  if (!host.user.empty()) line += " /user=" + Parameter(host.user);
  line += host.keyFile.empty() ? " /ask4passwd" : " /keyfile=" + Parameter(host.keyFile);
  return "connect " + TtlString(line);
}

int AddImportedHosts(ConnectionTree& tree, const std::string& folderName, HostImportResult& result,
                     const NewConnectionDefaults& defaults, const std::string& stamp) {
  std::vector<const ImportedHost*> named;
  for (const ImportedHost& host : result.hosts) {
    const std::string name = TrimName(host.name);
    if (name.empty())
      result.skipped.push_back({host.name, "its name is empty"});
    else if (name.find('&') != std::string::npos)
      result.skipped.push_back({host.name, "a connection name cannot contain '&'"});
    else if (name[0] == '-')
      result.skipped.push_back({host.name, "a name beginning with \"-\" is a separator line"});
    else
      named.push_back(&host);
  }
  result.taken = static_cast<int>(named.size());
  if (named.empty()) return 0;

  if (!tree.computerNode()) ResetTree(tree);
  TreeUpdateBatch batch(tree);
  TreeNode* folder = tree.appendChild(
      tree.computerNode(),
      Record(TrimName(folderName), "", "Hosts imported from " + result.source, defaults, stamp, 1));
  for (const ImportedHost* host : named)
    tree.appendChild(folder, Record(TrimName(host->name), HostMacro(*host),
                                    "Imported from " + result.source + "\r\n" + host->origin,
                                    defaults, stamp, 2));
  MakeChildNamesUnique(tree, tree.computerNode());
  return result.taken;
}

}  // namespace skelder
