#include "platform/ThreadedDownloader.h"

namespace skelder {

ThreadedDownloader::ThreadedDownloader(const HttpClient& client, DownloadLimits limits)
    : client_(client), limits_(limits) {}

ThreadedDownloader::~ThreadedDownloader() {
  stop_ = true;
  join();
}

void ThreadedDownloader::join() {
  if (worker_.joinable()) worker_.join();
}

void ThreadedDownloader::start(const std::string& url) {
  stop_ = true;
  join();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    report_.reset();
  }
  stop_ = false;
  worker_ = std::thread([this, url] {
    DownloadReport report = client_.get(url, limits_, stop_);
    if (stop_ && report.ok) report = DownloadReport::Failure("aborted");
    std::lock_guard<std::mutex> lock(mutex_);
    report_ = std::move(report);
    finished_.notify_all();
  });
}

void ThreadedDownloader::abort() { stop_ = true; }

bool ThreadedDownloader::deliverReport(std::chrono::milliseconds wait) {
  std::optional<DownloadReport> report;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!finished_.wait_for(lock, wait, [this] { return report_.has_value(); })) return false;
    report = std::move(report_);
    report_.reset();
  }
  join();
  deliver(*report);
  return true;
}

}  // namespace skelder
