#pragma once
#include "platform/SystemInfo.h"

namespace skelder {

class Win32SystemInfo : public SystemInfo {
 public:
  std::string userName() const override;
  std::string computerName() const override;
  std::string windowsFolder() const override;
  std::string shellDisplayName(const std::string& path) const override;
  bool isNTFamily() const override;
  std::string executablePath() const override;
  std::string settingsFolder() const override;
  std::optional<LockKeys> lockKeys() const override;
  FileVersion fileVersion(const std::string& path) const override;
};

}  // namespace skelder
