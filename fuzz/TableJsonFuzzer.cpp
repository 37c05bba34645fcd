// The tool's table JSON of any text: what builds a tree is written as JSON that builds
// the same tree and is written the same again.
#include <sstream>

#include "FuzzSupport.h"
#include "core/tree/TreeState.h"
#include "tool/TableJson.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const nlohmann::json description =
      nlohmann::json::parse(data, data + size, nullptr, /*allow_exceptions=*/false);
  if (description.is_discarded()) return 0;
  ConnectionTree tree;
  ResetTree(tree);
  std::string error;
  if (!AddNodesFromJson(description, tree, false, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  CheckTree(tree);
  std::ostringstream first;
  WriteTableJson(first, tree, "SKD21");
  const nlohmann::json written = nlohmann::json::parse(first.str(), nullptr, false);
  FUZZ_CHECK(!written.is_discarded());
  ConnectionTree again;
  ResetTree(again);
  FUZZ_CHECK(AddNodesFromJson(written, again, false, error));
  std::ostringstream second;
  WriteTableJson(second, again, "SKD21");
  FUZZ_CHECK(second.str() == first.str());
  return 0;
}
