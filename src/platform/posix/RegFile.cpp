#include "platform/posix/RegFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace skelder {

static const char kHeader[] = "REGEDIT4";
// The registry holds keys up to 512 levels deep.
static constexpr long kMaxKeyDepth = 512;

std::string FoldCase(const std::string& text) {
  std::string folded = text;
  for (char& c : folded)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return folded;
}

static bool NeedsHex(const std::string& text) {
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7f) return true;
  return false;
}

static std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

static std::string HexBytes(const std::string& text) {
  std::string out = "hex(1):";
  char buf[4];
  for (size_t i = 0; i <= text.size(); ++i) {  // with the terminating zero
    std::snprintf(buf, sizeof buf, "%02x",
                  i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
    if (i) out += ',';
    out += buf;
  }
  return out;
}

std::string FormatRegFile(const RegDocument& document, const std::string& root) {
  std::string out = std::string(kHeader) + "\r\n";
  for (const auto& key : document.keys) {
    out += "\r\n[" + root + "\\" + key.path + "]\r\n";
    for (const auto& entry : key.values) {
      out += (entry.name.empty() ? std::string("@") : Quote(entry.name)) +
             "=";  // @: the default value
      if (const auto* text = std::get_if<std::string>(&entry.value)) {
        out += NeedsHex(*text) ? HexBytes(*text) : Quote(*text);
      } else {
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x",
                      static_cast<uint32_t>(std::get<int32_t>(entry.value)));
        out += buf;
      }
      out += "\r\n";
    }
  }
  return out;
}

namespace {

// Reads a quoted string starting at pos (at the opening quote); advances pos past it.
std::optional<std::string> Unquote(const std::string& line, size_t& pos) {
  if (pos >= line.size() || line[pos] != '"') return std::nullopt;
  std::string out;
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '\\') {
      if (++pos >= line.size()) return std::nullopt;
      out += line[pos];
    } else if (c == '"') {
      ++pos;
      return out;
    } else {
      out += c;
    }
  }
  return std::nullopt;
}

std::optional<std::string> ParseHex(const std::string& list) {
  std::string bytes;
  size_t pos = 0;
  while (pos < list.size()) {
    size_t end = list.find(',', pos);
    if (end == std::string::npos) end = list.size();
    std::string item = list.substr(pos, end - pos);
    if (item.empty() || item.size() > 2) return std::nullopt;
    char* stop = nullptr;
    long byte = std::strtol(item.c_str(), &stop, 16);
    if (*stop) return std::nullopt;
    bytes += static_cast<char>(byte);
    pos = end + 1;
  }
  if (bytes.empty() || bytes.back() != '\0') return std::nullopt;
  bytes.pop_back();
  return bytes;
}

std::optional<RegValue> ParseValue(const std::string& text) {
  if (!text.empty() && text[0] == '"') {
    size_t pos = 0;
    auto value = Unquote(text, pos);
    if (!value || pos != text.size()) return std::nullopt;
    return RegValue(*value);
  }
  if (text.rfind("dword:", 0) == 0) {
    const std::string digits = text.substr(6);
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    char* stop = nullptr;
    unsigned long number = std::strtoul(digits.c_str(), &stop, 16);
    if (*stop) return std::nullopt;
    return RegValue(static_cast<int32_t>(static_cast<uint32_t>(number)));
  }
  if (text.rfind("hex(1):", 0) == 0) {
    if (auto bytes = ParseHex(text.substr(7))) return RegValue(*bytes);
  }
  return std::nullopt;
}

}  // namespace

std::optional<RegDocument> ParseRegFile(const std::string& text, const std::string& root) {
  RegDocument document;
  size_t pos = 0;
  bool headerSeen = false;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!headerSeen) {
      if (line != kHeader) return std::nullopt;
      headerSeen = true;
      continue;
    }
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const std::string prefix = "[" + root + "\\";
      if (line.back() != ']' || FoldCase(line.substr(0, prefix.size())) != FoldCase(prefix))
        return std::nullopt;
      std::string path = line.substr(prefix.size(), line.size() - prefix.size() - 1);
      if (std::count(path.begin(), path.end(), '\\') >= kMaxKeyDepth) return std::nullopt;
      document.keys.push_back({std::move(path), {}});
      continue;
    }
    if (document.keys.empty()) return std::nullopt;
    size_t at = 0;
    std::optional<std::string> name;
    if (line[0] == '@') {
      name = std::string();
      at = 1;
    } else {
      name = Unquote(line, at);
    }
    if (!name || at >= line.size() || line[at] != '=') return std::nullopt;
    auto value = ParseValue(line.substr(at + 1));
    if (!value) return std::nullopt;
    document.keys.back().values.push_back({*name, *value});
  }
  if (!headerSeen) return std::nullopt;
  return document;
}

}  // namespace skelder
