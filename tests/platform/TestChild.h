#pragma once
// Runs an entry of the test child program (platform_test_child, beside this test
// program) in a second process, in the background: the way the platform tests get a real
// other process on every system.
#include <string>
#include <thread>
#include <vector>

namespace skelder::testing {

class TestChild {
 public:
  // arguments: the entry's name and its arguments. The child's output goes to child.log
  // in the folder.
  TestChild(const std::vector<std::string>& arguments, const std::string& folder);
  ~TestChild();
  TestChild(const TestChild&) = delete;
  TestChild& operator=(const TestChild&) = delete;

  // Waits for the child to end; true when it ended with status 0.
  bool passed();

 private:
  std::thread runner_;
  int status_ = -1;
};

// Waits up to timeoutMs for the file to exist; false on time-out.
bool WaitForFile(const std::string& path, int timeoutMs);

}  // namespace skelder::testing
