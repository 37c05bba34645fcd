// The highlighter's keyword file on any text: both lists of the same length, sections
// inside them, every name found in the first place it stands, none longer than the
// longest.
#include <unordered_map>

#include "FuzzSupport.h"
#include "core/editor/KeywordStore.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  KeywordStore store;
  const bool loaded = store.Load(std::string(reinterpret_cast<const char*>(data), size));
  const auto& names = store.names();
  FUZZ_CHECK(names.size() == store.numbers().size());
  FUZZ_CHECK(loaded || names.empty());
  const int count = static_cast<int>(names.size());
  for (KeywordSection section : {KeywordSection::Commands, KeywordSection::SystemVariables,
                                 KeywordSection::SkelderKeywords, KeywordSection::Operations}) {
    const int first = store.first(section), last = store.last(section);
    FUZZ_CHECK(first > last || (first >= 1 && last < count));
  }
  std::unordered_map<std::string, int> firstPlace;
  size_t longest = 0;
  for (int i = 0; i < count; ++i) {
    firstPlace.emplace(names[i], i);
    longest = std::max(longest, names[i].size());
  }
  FUZZ_CHECK(store.longestName() == longest);
  for (const auto& [name, place] : firstPlace)
    FUZZ_CHECK(store.HelpNumber(name) == store.numbers()[static_cast<size_t>(place)]);
  return 0;
}
