// The settings store's file format on any text: what parses is written back in a form
// that parses to the same keys and values; the store reads such a file without fault.
#include "FuzzSupport.h"
#include "platform/posix/FileSettingsStore.h"
#include "platform/posix/RegFile.h"

using namespace skelder;
using namespace skelder::fuzz;

namespace {

bool Same(const RegDocument& a, const RegDocument& b) {
  if (a.keys.size() != b.keys.size()) return false;
  for (size_t k = 0; k < a.keys.size(); ++k) {
    if (a.keys[k].path != b.keys[k].path || a.keys[k].values.size() != b.keys[k].values.size())
      return false;
    for (size_t v = 0; v < a.keys[k].values.size(); ++v)
      if (a.keys[k].values[v].name != b.keys[k].values[v].name ||
          a.keys[k].values[v].value != b.keys[k].values[v].value)
        return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto document = ParseRegFile(text, "HKEY_CURRENT_USER");
  if (!document) return 0;
  const std::string written = FormatRegFile(*document, "HKEY_CURRENT_USER");
  const auto again = ParseRegFile(written, "HKEY_CURRENT_USER");
  FUZZ_CHECK(again);
  FUZZ_CHECK(Same(*document, *again));
  FUZZ_CHECK(FormatRegFile(*again, "HKEY_CURRENT_USER") == written);

  FileSettingsStore store(ScratchFile(".reg", data, size));
  for (const auto& key : document->keys) {
    auto opened = store.openKey(key.path, false);
    if (!opened) continue;
    for (const auto& name : opened->valueNames()) {
      const bool text = opened->readString(name).has_value();
      const bool number = opened->readInteger(name).has_value();
      FUZZ_CHECK(text != number);
    }
    opened->subKeyNames();
  }
  FUZZ_CHECK(store.takeRecoveryNotice().empty());
  return 0;
}
