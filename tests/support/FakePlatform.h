#pragma once
// In-memory stand-ins for the platform services that record what they were asked.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/Broadcaster.h"
#include "platform/ExistenceFlags.h"
#include "platform/ProgramStarter.h"
#include "platform/SystemInfo.h"

namespace skelder::testing {

class FakeBroadcaster : public Broadcaster {
 public:
  bool broadcast(const std::string& name) override {
    sent.push_back(name);
    return true;
  }
  std::vector<std::string> sent;
};

// Flags named in heldElsewhere are held by another process; failing ones cannot be made.
class FakeFlags : public ExistenceFlags {
 public:
  FlagCreation create(const std::string& name) override {
    created.push_back(name);
    FlagCreation result;
    if (failing.count(name)) return result;
    result.handle = std::make_unique<ExistenceFlag>();
    result.alreadyExisted = heldElsewhere.count(name) > 0;
    return result;
  }
  std::set<std::string> heldElsewhere;
  std::set<std::string> failing;
  std::vector<std::string> created;
};

class FakeStarter : public ProgramStarter {
 public:
  bool open(const std::string& file, const std::string& parameters,
            const std::string& folder) override {
    started.push_back(file + "|" + parameters + "|" + folder);
    return true;
  }
  std::vector<std::string> started;
};

class FakeSystem : public SystemInfo {
 public:
  std::string userName() const override { return "ann"; }
  std::string computerName() const override { return "HOST"; }
  std::string windowsFolder() const override { return "C:\\Windows"; }
  // The file name part for an existing file, the path itself otherwise.
  std::string shellDisplayName(const std::string& path) const override {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return path;
    return path.substr(path.find_last_of("/\\") + 1);
  }
  bool isNTFamily() const override { return nt; }
  std::string executablePath() const override { return executable; }
  std::optional<LockKeys> lockKeys() const override { return locks; }
  std::string settingsFolder() const override { return settings; }
  bool nt = true;
  std::optional<LockKeys> locks;
  std::string executable = "/opt/tt/Skelderc";
  std::string settings;  // none unless a test gives one
};

}  // namespace skelder::testing
