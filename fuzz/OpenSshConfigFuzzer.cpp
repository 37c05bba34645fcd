// The OpenSSH client configuration reader on any text: a file that reads gives hosts
// with a name, an address and a port, at most one host or skipped entry per name on a
// "Host" line. (Inputs with "Include" are left out: they would read the machine's files.)
#include <algorithm>
#include <cctype>

#include "FuzzSupport.h"
#include "core/hosts/OpenSshConfig.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string folded = text;
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (folded.find("include") != std::string::npos) return 0;
  const std::string path = ScratchFile(".ssh_config", data, size);
  const HostImportResult result = ReadOpenSshConfig(path, "/nonexistent-home");
  FUZZ_CHECK(result.error.empty());
  for (const ImportedHost& host : result.hosts) {
    FUZZ_CHECK(!host.name.empty());
    FUZZ_CHECK(!host.host.empty());
    FUZZ_CHECK(host.port >= 0 && host.port <= 65535);
  }
  FUZZ_CHECK(result.hosts.size() + result.skipped.size() <= size);
  return 0;
}
