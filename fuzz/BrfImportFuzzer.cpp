// The ".BRF" import on any text: a whole tree, no more nodes than the file has lines, and
// after the renaming pass no two connections among siblings share a name.
#include <algorithm>

#include "FuzzSupport.h"
#include "core/base/Clock.h"
#include "core/tree/ConnectionImport.h"
#include "core/tree/NodeNaming.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TreeState.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietDialogs dialogs;
  QuietSystem system;
  TableFileHost host;
  ConnectionTree tree;
  ResetTree(tree);
  TableFileContext context{tree, dialogs, system, host};
  const FixedClock clock(LocalTime{2026, 12, 10, 9, 5, 7, 42, 4});
  FUZZ_CHECK(ImportBrf(context, ScratchFile(".BRF", data, size), clock, "colours"));
  FUZZ_CHECK(dialogs.boxes == 0);
  CheckTree(tree);
  const auto lines = std::count(data, data + size, '\n') + std::count(data, data + size, '\r') + 1;
  FUZZ_CHECK(tree.nodeCount() - 1 <= lines);
  MakeChildNamesUnique(tree, tree.computerNode());
  CheckTree(tree);
  CheckSiblingNames(tree);
  return 0;
}
