#include "platform/win32/RegistrySettingsStore.h"

#include <utility>
#include <vector>

#include "platform/win32/Windows.h"
// after windows.h
#include <shlwapi.h>

namespace skelder {

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

// The bytes of a value of the given type; nothing when it is missing or of another type.
bool QueryValue(HKEY key, const std::string& name, DWORD wanted, std::vector<BYTE>& data) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != wanted)
      return false;
    data.resize(size + 1);  // room for a terminator a string may lack
    DWORD got = size;
    const LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &got);
    if (status == ERROR_MORE_DATA) continue;  // it grew meanwhile
    if (status != ERROR_SUCCESS || type != wanted) return false;
    data.resize(got);
    return true;
  }
  return false;
}

class Win32RegistryKey : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}
  ~Win32RegistryKey() override { RegCloseKey(key_); }
  Win32RegistryKey(const Win32RegistryKey&) = delete;
  Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

  std::optional<std::string> readString(const std::string& name) const override {
    std::vector<BYTE> data;
    if (!QueryValue(key_, name, REG_SZ, data)) return std::nullopt;
    std::string text(data.begin(), data.end());
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }
  std::optional<int32_t> readInteger(const std::string& name) const override {
    std::vector<BYTE> data;
    if (!QueryValue(key_, name, REG_DWORD, data) || data.size() != sizeof(DWORD))
      return std::nullopt;
    DWORD value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | data[i];
    return static_cast<int32_t>(value);
  }
  bool writeString(const std::string& name, const std::string& value) override {
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }
  bool writeInteger(const std::string& name, int32_t value) override {
    const DWORD number = static_cast<DWORD>(value);
    return RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                          sizeof number) == ERROR_SUCCESS;
  }
  bool deleteValue(const std::string& name) override {
    return RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
  }
  std::vector<std::string> valueNames() const override {
    return enumerate([this](DWORD index, char* buffer, DWORD* size) {
      return RegEnumValueA(key_, index, buffer, size, nullptr, nullptr, nullptr, nullptr);
    });
  }
  std::vector<std::string> subKeyNames() const override {
    return enumerate([this](DWORD index, char* buffer, DWORD* size) {
      return RegEnumKeyExA(key_, index, buffer, size, nullptr, nullptr, nullptr, nullptr);
    });
  }

 private:
  template <typename Enum>
  static std::vector<std::string> enumerate(Enum next) {
    std::vector<std::string> names;
    std::vector<char> buffer(256);
    for (DWORD index = 0;;) {
      DWORD size = static_cast<DWORD>(buffer.size());
      const LONG status = next(index, buffer.data(), &size);
      if (status == ERROR_MORE_DATA && buffer.size() < 65536) {
        buffer.resize(buffer.size() * 4);
        continue;
      }
      if (status != ERROR_SUCCESS) break;
      names.emplace_back(buffer.data(), size);
      ++index;
    }
    return names;
  }

  HKEY key_;
};

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(RegistryRoot root, std::string base)
    : root_(root), base_(NormaliseKeyPath(base)) {}

std::string RegistrySettingsStore::fullPath(const std::string& path) const {
  const std::string relative = NormaliseKeyPath(path);
  if (base_.empty()) return relative;
  return relative.empty() ? base_ : base_ + "\\" + relative;
}

std::unique_ptr<RegistryKey> RegistrySettingsStore::openKey(const std::string& path, bool create) {
  const std::string full = fullPath(path);
  HKEY key = nullptr;
  if (create) {
    if (RegCreateKeyExA(RootKey(root_), full.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
      return nullptr;
  } else {
    // A key opened for reading can still take writes where the user may write.
    LONG status = RegOpenKeyExA(RootKey(root_), full.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (status == ERROR_ACCESS_DENIED)
      status = RegOpenKeyExA(RootKey(root_), full.c_str(), 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) return nullptr;
  }
  return std::make_unique<Win32RegistryKey>(key);
}

bool RegistrySettingsStore::deleteKey(const std::string& path) {
  // An empty path would name the root (or the base) itself: never delete that.
  if (NormaliseKeyPath(path).empty()) return false;
  return SHDeleteKeyA(RootKey(root_), fullPath(path).c_str()) == ERROR_SUCCESS;
}

}  // namespace skelder
