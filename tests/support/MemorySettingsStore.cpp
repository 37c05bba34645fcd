#include "support/MemorySettingsStore.h"

#include <algorithm>
#include <cctype>

namespace skelder::testing {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

class MemoryKey : public RegistryKey {
 public:
  MemoryKey(MemorySettingsStore& store, std::string path) : store_(store), path_(std::move(path)) {}

  std::optional<std::string> readString(const std::string& name) const override {
    auto* value = find(name);
    if (value && std::holds_alternative<std::string>(*value)) return std::get<std::string>(*value);
    return std::nullopt;
  }
  std::optional<int32_t> readInteger(const std::string& name) const override {
    auto* value = find(name);
    if (value && std::holds_alternative<int32_t>(*value)) return std::get<int32_t>(*value);
    return std::nullopt;
  }
  bool writeString(const std::string& name, const std::string& value) override {
    return write(name, value);
  }
  bool writeInteger(const std::string& name, int32_t value) override { return write(name, value); }
  bool deleteValue(const std::string& name) override {
    auto& values = store_.keys[path_].values;
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const auto& v) { return Upper(v.first) == Upper(name); });
    if (it == values.end()) return false;
    values.erase(it);
    return true;
  }
  std::vector<std::string> valueNames() const override {
    std::vector<std::string> names;
    for (const auto& value : store_.keys[path_].values) names.push_back(value.first);
    return names;
  }
  std::vector<std::string> subKeyNames() const override { return {}; }

 private:
  const std::variant<std::string, int32_t>* find(const std::string& name) const {
    auto key = store_.keys.find(path_);
    if (key == store_.keys.end()) return nullptr;
    for (const auto& value : key->second.values)
      if (Upper(value.first) == Upper(name)) return &value.second;
    return nullptr;
  }
  bool write(const std::string& name, std::variant<std::string, int32_t> value) {
    if (store_.failWrites) return false;
    auto& values = store_.keys[path_].values;
    for (auto& existing : values)
      if (Upper(existing.first) == Upper(name)) {
        existing.second = std::move(value);
        return true;
      }
    values.emplace_back(name, std::move(value));
    return true;
  }

  MemorySettingsStore& store_;
  std::string path_;
};

}  // namespace

std::unique_ptr<RegistryKey> MemorySettingsStore::openKey(const std::string& path, bool create) {
  const std::string folded = Upper(path);
  if (!keys.count(folded)) {
    if (!create || failWrites) return nullptr;
    keys[folded];
  } else if (create && failWrites) {
    return nullptr;
  }
  return std::make_unique<MemoryKey>(*this, folded);
}

bool MemorySettingsStore::deleteKey(const std::string& path) {
  // The key goes with every key below it.
  const std::string folded = Upper(path);
  const std::string below = folded + "\\";
  bool deleted = false;
  for (auto it = keys.begin(); it != keys.end();) {
    const bool inside = it->first == folded || it->first.compare(0, below.size(), below) == 0;
    deleted = deleted || inside;
    it = inside ? keys.erase(it) : std::next(it);
  }
  return deleted;
}

}  // namespace skelder::testing
