#include "TestChild.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/Platform.h"

namespace skelder::testing {

namespace {

const char kFolderVariable[] = "SKELDER_TEST_CHILD_FOLDER";

void SetVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value.c_str());
#else
  setenv(name.c_str(), value.c_str(), 1);
#endif
}

}  // namespace

TestChild::TestChild(const std::string& testName, const std::string& folder) {
  SetVariable(kFolderVariable, folder);
  std::string command = "\"" + CreatePlatform().system->executablePath() +
                        "\" --gtest_also_run_disabled_tests --gtest_filter=" + testName + " > \"" +
                        folder + "/child.log\" 2>&1";
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

std::string ChildFolder() {
  const char* folder = std::getenv(kFolderVariable);
  return folder ? folder : "";
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

std::string SiblingTest(const std::string& name) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string full = std::string(info->test_suite_name()) + "." + name;
  const std::string own = info->name();
  const auto slash = own.rfind('/');
  if (slash != std::string::npos) full += own.substr(slash);
  return full;
}

}  // namespace skelder::testing
