// The texts the update check downloads, of any bytes: a version text that reads gives
// its three numbers back when written plainly, and release notes come out with CR LF
// line breaks only, at most twice as long, unchanged when normalised again.
#include "FuzzSupport.h"
#include "core/integration/PublishedVersion.h"
#include "core/integration/UpdateTexts.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const auto version = ParsePublishedVersion(text)) {
    FUZZ_CHECK(version->major >= 0 && version->minor >= 0 && version->release >= 0);
    const auto again = ParsePublishedVersion(std::to_string(version->major) + "." +
                                             std::to_string(version->minor) + "-" +
                                             std::to_string(version->release));
    FUZZ_CHECK(again && again->major == version->major && again->minor == version->minor &&
               again->release == version->release);
    FUZZ_CHECK(CompareVersion(FileVersion{}, text) != VersionComparison::Unreadable);
  } else {
    FUZZ_CHECK(CompareVersion(FileVersion{}, text) == VersionComparison::Unreadable);
  }
  const std::string notes = NormaliseLineBreaks(text);
  FUZZ_CHECK(notes.size() <= 2 * text.size());
  for (size_t at = notes.find('\n'); at != std::string::npos; at = notes.find('\n', at + 1))
    FUZZ_CHECK(at > 0 && notes[at - 1] == '\r');
  FUZZ_CHECK(NormaliseLineBreaks(notes) == notes);
  return 0;
}
