#pragma once
// The system's profile (INI) functions. The program reads and writes INI files with its
// own code on every system; these serve to compare that code with the system's.
#include <cstdint>
#include <string>
#include <vector>

namespace skelder {

class WindowsProfile {
 public:
  explicit WindowsProfile(std::string path) : path_(std::move(path)) {}

  // GetPrivateProfileStringA with a buffer of the given size (values are cut to one
  // byte less).
  std::string readString(const std::string& section, const std::string& key,
                         const std::string& defaultValue, unsigned bufferSize) const;
  // GetPrivateProfileIntA, its unsigned result taken as a signed 32-bit number.
  int32_t readInteger(const std::string& section, const std::string& key,
                      int32_t defaultValue) const;
  bool writeString(const std::string& section, const std::string& key, const std::string& value);
  // The section names, and the key names of a section, as the system lists them.
  std::vector<std::string> sectionNames() const;
  std::vector<std::string> keyNames(const std::string& section) const;

 private:
  std::string path_;
};

}  // namespace skelder
