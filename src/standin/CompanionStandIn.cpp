// A stand-in for the tray companion in the demo folder. It holds the companion's
// existence flag, so the configuration program sees a running companion, and ends on
// "SkelderStopMessage". With SKELDER_STANDIN_LOG naming a folder it only notes that it
// was started there and ends.
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/Platform.h"

int main() {
  using namespace skelder;
  if (const char* log = std::getenv("SKELDER_STANDIN_LOG"); log && *log) {
    std::ofstream(std::string(log) + "/companion.log", std::ios::app) << "started\n";
    return 0;
  }
  Platform platform = CreatePlatform();
  FlagCreation flag = platform.flags->create("SkelderSemaphore");
  if (!flag.handle || flag.alreadyExisted) return 0;  // one companion is enough
  auto receiver = CreateBroadcastReceiver({"SkelderStopMessage"});
  // Ends with the session bus too: then nothing can reach it any more.
  while (receiver->descriptor() >= 0) {
    if (receiver->waitForMessage(60 * 1000) == "SkelderStopMessage") break;
  }
  return 0;
}
