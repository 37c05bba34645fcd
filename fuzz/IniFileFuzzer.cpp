// The profile-file reader on any text: values within the profile functions' limit, the
// key list and the lookups agree, and a value written is read back while the others stay.
#include <cctype>
#include <vector>

#include "FuzzSupport.h"
#include "core/text/IniFile.h"

using namespace skelder;
using namespace skelder::fuzz;

namespace {

// The section names the text's header lines give, at most a few.
std::vector<std::string> Sections(const std::string& text) {
  std::vector<std::string> sections;
  for (size_t at = 0; at < text.size() && sections.size() < 8; ++at) {
    if (text[at] != '[' || (at > 0 && text[at - 1] != '\n' && text[at - 1] != '\r')) continue;
    const size_t end = text.find_first_of("]\r\n", at);
    sections.push_back(
        text.substr(at + 1, (end == std::string::npos ? text.size() : end) - at - 1));
  }
  return sections;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  IniFile ini(text);
  FUZZ_CHECK(ini.bytes() == text);
  for (const std::string& section : Sections(text)) {
    std::vector<std::pair<std::string, std::string>> values;
    for (const std::string& key : ini.keyNames(section)) {
      FUZZ_CHECK(ini.hasKey(section, key));
      values.emplace_back(key, ini.readString(section, key));
      FUZZ_CHECK(values.back().second.size() <= IniFile::kMaxValueLength);
    }
    IniFile written(text);
    written.writeString(section, "FuzzKey", "written value");
    FUZZ_CHECK(written.readString(section, "FuzzKey") == "written value");
    for (const auto& [key, value] : values) {
      std::string folded = key;
      for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (folded != "fuzzkey") FUZZ_CHECK(written.readString(section, key) == value);
    }
  }
  return 0;
}
