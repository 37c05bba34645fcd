#pragma once
// A Downloader that runs each download on a worker thread of its own and hands the
// report over on the owner's thread when the owner asks for it (deliverReport), for a
// program without an event loop.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/Downloader.h"
#include "platform/HttpClient.h"

namespace skelder {

class ThreadedDownloader : public Downloader {
 public:
  ThreadedDownloader(const HttpClient& client, DownloadLimits limits = {});
  ~ThreadedDownloader() override;
  ThreadedDownloader(const ThreadedDownloader&) = delete;
  ThreadedDownloader& operator=(const ThreadedDownloader&) = delete;

  // Waits for an earlier download to end (it was aborted) and drops its report if it
  // was not delivered yet.
  void start(const std::string& url) override;
  // Sets the worker's stop flag; the worker ends with a failure report soon after.
  void abort() override;
  // Waits up to wait for the report of the download last started and delivers it on
  // this thread; false when none came.
  bool deliverReport(std::chrono::milliseconds wait);

 private:
  void join();

  const HttpClient& client_;
  const DownloadLimits limits_;
  std::thread worker_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable finished_;
  std::optional<DownloadReport> report_;  // under mutex_
};

}  // namespace skelder
