#pragma once
#include "platform/SystemInfo.h"

namespace skelder {

class PosixSystemInfo : public SystemInfo {
 public:
  std::string userName() const override;
  std::string computerName() const override;
  std::string windowsFolder() const override;
  std::string shellDisplayName(const std::string& path) const override;
  bool isNTFamily() const override { return true; }
  std::string executablePath() const override;
  std::string settingsFolder() const override;
  // From the X keyboard extension's indicators of the display named by DISPLAY; nothing
  // without a display.
  std::optional<LockKeys> lockKeys() const override;
};

}  // namespace skelder
