#include "TestChild.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/Platform.h"

namespace skelder::testing {

TestChild::TestChild(const std::vector<std::string>& arguments, const std::string& folder) {
  const std::filesystem::path self(CreatePlatform().system->executablePath());
#ifdef _WIN32
  const char* program = "platform_test_child.exe";
#else
  const char* program = "platform_test_child";
#endif
  std::string command = "\"" + (self.parent_path() / program).string() + "\"";
  for (const std::string& argument : arguments) command += " \"" + argument + "\"";
  command += " > \"" + folder + "/child.log\" 2>&1";
#ifdef _WIN32
  // cmd.exe drops the first and the last quote of a line that has more than two.
  command = "\"" + command + "\"";
#endif
  runner_ = std::thread([this, command] { status_ = std::system(command.c_str()); });
}

TestChild::~TestChild() {
  if (runner_.joinable()) runner_.join();
}

bool TestChild::passed() {
  if (runner_.joinable()) runner_.join();
  return status_ == 0;
}

bool WaitForFile(const std::string& path, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  std::error_code ec;
  while (!std::filesystem::exists(path, ec)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace skelder::testing
