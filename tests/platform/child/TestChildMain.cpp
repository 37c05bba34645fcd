// The second process of the platform tests that need one (TestChild starts it):
//
//   platform_test_child wake-up
//     broadcasts "SkeldercMessage", as a second start of the program does
//   platform_test_child hold-flag FOLDER
//     takes the existence flag "SkelderSemaphore" (flags that live in files, in FOLDER),
//     writes FOLDER/ready ("new" or "seen") and ends without releasing the flag once
//     FOLDER/release exists
//
// Exit status 0 when the entry did its part, 1 when it failed, 2 for a wrong command line.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "platform/Platform.h"
#ifdef _WIN32
#include "platform/win32/SemaphoreExistenceFlags.h"
#else
#include "platform/posix/FlockExistenceFlags.h"
#endif

namespace {

using namespace skelder;

int WakeUp() { return CreatePlatform().broadcaster->broadcast("SkeldercMessage") ? 0 : 1; }

int HoldFlag(const std::string& folder) {
#ifdef _WIN32
  auto flags = std::make_unique<SemaphoreExistenceFlags>();
#else
  auto flags = std::make_unique<FlockExistenceFlags>(folder);
#endif
  const FlagCreation held = flags->create("SkelderSemaphore");
  {
    std::ofstream ready(folder + "/ready.part", std::ios::binary);
    ready << (held.handle && !held.alreadyExisted ? "new" : "seen");
  }
  std::filesystem::rename(folder + "/ready.part", folder + "/ready");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  std::error_code ec;
  while (!std::filesystem::exists(folder + "/release", ec) &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::fflush(nullptr);
  std::_Exit(0);  // the flag goes with the process, not by its release
}

}  // namespace

int main(int argc, char** argv) {
  const std::string entry = argc > 1 ? argv[1] : "";
  if (entry == "wake-up" && argc == 2) return WakeUp();
  if (entry == "hold-flag" && argc == 3) return HoldFlag(argv[2]);
  std::fprintf(stderr, "usage: platform_test_child wake-up | hold-flag FOLDER\n");
  return 2;
}
