// The completion list on any text: as many texts to insert as to show, each entry from
// one line, and the plain display text never longer than the display text.
#include <algorithm>

#include "FuzzSupport.h"
#include "core/editor/CompletionList.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CompletionList list;
  list.Read(std::string(reinterpret_cast<const char*>(data), size));
  FUZZ_CHECK(list.insertTexts.size() == list.displayTexts.size());
  const auto lines = std::count(data, data + size, '\n') + std::count(data, data + size, '\r') + 1;
  FUZZ_CHECK(static_cast<long>(list.insertTexts.size()) <= lines);
  for (size_t i = 0; i < list.insertTexts.size(); ++i) {
    FUZZ_CHECK(!list.insertTexts[i].empty());
    FUZZ_CHECK(PlainDisplayText(list.displayTexts[i]).size() <= list.displayTexts[i].size());
  }
  return 0;
}
