#pragma once
// Runs one test of this test program in a second process, in the background: the way
// the platform tests get a real other process on every system. The child test is a
// disabled one, so that it runs only when asked for; it finds its working folder in the
// environment (ChildFolder()).
#include <string>
#include <thread>

namespace skelder::testing {

class TestChild {
 public:
  // testName: the full name, "Suite.DISABLED_Name" (with its instance and index for a
  // parameterised test). folder: given to the child; its output goes to child.log there.
  TestChild(const std::string& testName, const std::string& folder);
  ~TestChild();
  TestChild(const TestChild&) = delete;
  TestChild& operator=(const TestChild&) = delete;

  // Waits for the child to end; true when its test passed.
  bool passed();

 private:
  std::thread runner_;
  int status_ = -1;
};

// In the child: the folder the parent gave; empty in a test that was not started so.
std::string ChildFolder();

// Waits up to timeoutMs for the file to exist; false on time-out.
bool WaitForFile(const std::string& path, int timeoutMs);

// The full name of the running test's sibling of the given name, for a TestChild:
// the same suite (and instance) and, for a parameterised test, the same index.
std::string SiblingTest(const std::string& name);

}  // namespace skelder::testing
