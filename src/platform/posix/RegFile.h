#pragma once
// The registry's 8-bit text export format ("REGEDIT4"): a header line, then for each
// key a "[ROOT\path]" line followed by its values, "Name"="text" or "Name"=dword:hex.
// Strings holding control characters are written as hex(1): bytes so that every value
// survives a round trip.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace skelder {

using RegValue = std::variant<std::string, int32_t>;

struct RegValueEntry {
  std::string name;  // as first written
  RegValue value;
};

struct RegKeyEntry {
  std::string path;  // relative to the root, as first written
  std::vector<RegValueEntry> values;
};

struct RegDocument {
  std::vector<RegKeyEntry> keys;  // in file order; parents before children
};

// Parses the text; nothing when it is not a well-formed export for the given root
// (such as "HKEY_CURRENT_USER").
std::optional<RegDocument> ParseRegFile(const std::string& text, const std::string& root);
std::string FormatRegFile(const RegDocument& document, const std::string& root);

// Upper-case fold used for matching names and paths the way the registry does.
std::string FoldCase(const std::string& text);

}  // namespace skelder
