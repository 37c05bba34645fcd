// The table reader on any bytes: at most one error box, a whole tree, and what it read
// written out and read again gives the same bytes.
#include "FuzzSupport.h"
#include "core/tree/NodeRecord.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
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
  ReadTable(context, ScratchFile(".SKD", data, size), true);
  FUZZ_CHECK(dialogs.boxes <= 1);
  CheckTree(tree);
  FUZZ_CHECK(static_cast<size_t>(tree.nodeCount() - 1) <= size / kSmallestNodeRecord);

  std::string written;
  FUZZ_CHECK(EncodeTable(tree, true, written));
  ConnectionTree again;
  ResetTree(again);
  TableFileContext againContext{again, dialogs, system, host};
  const std::string path =
      ScratchFile(".SKD", reinterpret_cast<const uint8_t*>(written.data()), written.size());
  dialogs.boxes = 0;
  FUZZ_CHECK(ReadTable(againContext, path, true));
  FUZZ_CHECK(dialogs.boxes == 0);
  std::string rewritten;
  FUZZ_CHECK(EncodeTable(again, true, rewritten));
  FUZZ_CHECK(rewritten == written);
  return 0;
}
