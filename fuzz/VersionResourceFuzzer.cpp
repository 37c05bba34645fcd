// The version resource reader on any bytes taken as an executable: no read outside the
// bytes, and a version found has the 16-bit parts a resource holds.
#include <cstring>

#include "FuzzSupport.h"
#include "platform/FileVersion.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto version = ReadPeFileVersion([&](uint32_t offset, uint32_t count, void* out) {
    if (static_cast<uint64_t>(offset) + count > size) return false;
    std::memcpy(out, data + offset, count);
    return true;
  });
  if (version)
    FUZZ_CHECK(version->major <= 0xFFFF && version->minor <= 0xFFFF && version->release <= 0xFFFF &&
               version->build <= 0xFFFF);
  return 0;
}
