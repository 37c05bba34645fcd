#include "platform/win32/WindowsProfile.h"

#include "platform/win32/Windows.h"

namespace skelder {

namespace {

constexpr DWORD kBufferSize = 1 << 16;

// Splits a list of strings each ended by a zero byte.
std::vector<std::string> SplitList(const std::vector<char>& buffer, DWORD length) {
  std::vector<std::string> items;
  for (DWORD begin = 0; begin < length;) {
    std::string item(buffer.data() + begin);
    begin += static_cast<DWORD>(item.size()) + 1;
    if (!item.empty()) items.push_back(item);
  }
  return items;
}

}  // namespace

std::string WindowsProfile::readString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue, unsigned bufferSize) const {
  std::vector<char> buffer(bufferSize + 1);
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                buffer.data(), bufferSize, path_.c_str());
  return std::string(buffer.data(), length);
}

int32_t WindowsProfile::readInteger(const std::string& section, const std::string& key,
                                    int32_t defaultValue) const {
  return static_cast<int32_t>(
      GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, path_.c_str()));
}

bool WindowsProfile::writeString(const std::string& section, const std::string& key,
                                 const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

std::vector<std::string> WindowsProfile::sectionNames() const {
  std::vector<char> buffer(kBufferSize);
  const DWORD length = GetPrivateProfileSectionNamesA(buffer.data(), kBufferSize, path_.c_str());
  return SplitList(buffer, length);
}

std::vector<std::string> WindowsProfile::keyNames(const std::string& section) const {
  std::vector<char> buffer(kBufferSize);
  const DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                                kBufferSize, path_.c_str());
  return SplitList(buffer, length);
}

}  // namespace skelder
