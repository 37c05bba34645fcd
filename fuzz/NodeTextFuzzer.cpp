// The node text encoding on any bytes: decoding undoes encoding in both forms, an
// encoding is at most three bytes a byte, a decoding never longer than its text.
#include "FuzzSupport.h"
#include "core/tree/NodeTextEncoding.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const bool plus : {true, false}) {
    const std::string encoded = EncodeNodeText(text, plus);
    FUZZ_CHECK(encoded.size() <= 3 * text.size());
    FUZZ_CHECK(encoded.find_first_not_of(
                   "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz%+") ==
               std::string::npos);
    FUZZ_CHECK(DecodeNodeText(encoded) == text);
  }
  FUZZ_CHECK(DecodeNodeText(text).size() <= text.size());
  ParseHexValue(text);
  return 0;
}
