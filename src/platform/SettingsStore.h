#pragma once
// A registry-like store of typed values under keys ("Software\Vantrell Solutions\Skelder").
// Semantics are those of the Windows registry: values are strings (REG_SZ) or signed
// 32-bit integers (REG_DWORD); a value of the other type reads as missing; key paths and
// value names are matched without regard to letter case; keys hold subkeys.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace skelder {

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  virtual std::optional<std::string> readString(const std::string& name) const = 0;
  virtual std::optional<int32_t> readInteger(const std::string& name) const = 0;
  // False when the value could not be stored (the store cannot be written).
  virtual bool writeString(const std::string& name, const std::string& value) = 0;
  virtual bool writeInteger(const std::string& name, int32_t value) = 0;
  virtual bool deleteValue(const std::string& name) = 0;
  virtual std::vector<std::string> valueNames() const = 0;
  virtual std::vector<std::string> subKeyNames() const = 0;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Opens the key at path ("A\B\C"). Read-only opening (create == false) yields nothing
  // for a missing key and creates nothing; opening with creation makes the key and its
  // parents when missing, and yields nothing when the store cannot be written.
  virtual std::unique_ptr<RegistryKey> openKey(const std::string& path, bool create) = 0;
  // Removes the key with its values and subkeys; false when it did not exist.
  virtual bool deleteKey(const std::string& path) = 0;
  // Once after the store had to set aside content it could not read: a warning for the
  // user; empty otherwise.
  virtual std::string takeRecoveryNotice() { return {}; }
  // Between these two calls a store may keep writes in memory and store them together
  // at the end. Writes still report whether they could be stored.
  virtual void beginBatch() {}
  virtual bool endBatch() { return true; }
};

// A key path with repeated, leading and trailing separators folded away, as the registry
// takes it ("\\A\\\\B\\" gives "A\\B").
std::string NormaliseKeyPath(const std::string& path);

// The program's settings key below the current user's root.
inline constexpr const char* kSettingsKeyPath = "Software\\Vantrell Solutions\\Skelder";

}  // namespace skelder
