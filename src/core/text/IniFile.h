#pragma once
// A profile (INI) file with the observable behaviour of the Windows profile functions.
//
// Reading: section and key names match without regard to (ASCII) case; the first
// section and the first key of a name count; blanks around a value are removed, then
// one pair of enclosing quotes (" or '), and the value is cut at 2047 characters.
// Integers are decimal or "0x" hexadecimal; an unreadable one gives the default.
// Lines beginning with ";" are comments.
//
// Writing changes only what it must: an existing key's line is rewritten as its key, "="
// and the new value; a missing key is added after the last line of its section that is
// neither blank nor a comment; a missing section is added at the end of the file. Every
// other byte stays as it was. Added lines end like the file's first line (CR LF for a
// file without line ends). A value is cut at its first line break, so that it cannot
// add lines of its own.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace skelder {

class IniFile {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;

  IniFile() = default;
  explicit IniFile(std::string bytes);

  // Reads the file; a missing file reads as an empty one. False when it exists but
  // cannot be read (the object is then empty).
  bool load(const std::string& path);
  // Replaces the file with the current bytes, atomically. False on failure.
  bool save(const std::string& path) const;
  const std::string& bytes() const { return bytes_; }

  bool hasSection(const std::string& section) const;
  bool hasKey(const std::string& section, const std::string& key) const;
  // The section's key names as written, in file order, a repeated name once (as first
  // written); empty for a missing section.
  std::vector<std::string> keyNames(const std::string& section) const;
  std::string readString(const std::string& section, const std::string& key,
                         const std::string& defaultValue = {}) const;
  std::int32_t readInteger(const std::string& section, const std::string& key,
                           std::int32_t defaultValue) const;

  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void writeInteger(const std::string& section, const std::string& key, std::int32_t value);

 private:
  struct Line {
    std::size_t begin = 0;  // first byte
    std::size_t end = 0;    // end of the text, before the line end
    std::size_t next = 0;   // first byte of the next line
    std::size_t keyBegin = 0, keyEnd = 0, valueBegin = 0;
    bool content = false;  // neither blank nor a comment
  };
  struct Section {
    std::size_t header = 0;                             // index of the header line
    std::size_t lastContent = 0;                        // last content line (or the header)
    std::unordered_map<std::string, std::size_t> keys;  // folded key -> line
  };

  void parse();
  const Line* findKey(const std::string& section, const std::string& key) const;
  std::string lineEnd() const;

  std::string bytes_;
  std::vector<Line> lines_;
  std::unordered_map<std::string, Section> sections_;  // folded name -> first section
};

}  // namespace skelder
