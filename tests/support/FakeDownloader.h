#pragma once
// A Downloader for tests: records each started URL and finishes the running download
// when the test says so. An abort reports the failure at once, as a network reply does.
#include <string>
#include <vector>

#include "platform/Downloader.h"

namespace skelder::testing {

class FakeDownloader : public Downloader {
 public:
  void start(const std::string& url) override {
    started.push_back(url);
    running = true;
  }
  void abort() override {
    ++aborts;
    if (!running) return;
    running = false;
    deliver(DownloadReport::Failure("aborted"));
  }
  // Ends the running download with the body, or with a failure.
  void finish(const std::string& body) {
    running = false;
    deliver(DownloadReport::Body(body));
  }
  void failNow() {
    running = false;
    deliver(DownloadReport::Failure("connection refused"));
  }

  std::vector<std::string> started;
  bool running = false;
  int aborts = 0;
};

}  // namespace skelder::testing
