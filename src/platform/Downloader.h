#pragma once
// One HTTP download at a time, started by URL and abortable, whose result comes back
// to the owner's thread as the whole body or as a failure.
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace skelder {

// What every download keeps to. A download fails when nothing has arrived for idle
// (neither while connecting nor between two reads), when the body grows beyond maxBody
// bytes, and on a redirect to another scheme or beyond the maxRedirects-th.
struct DownloadLimits {
  std::chrono::milliseconds idle{30000};
  std::size_t maxBody = 1024 * 1024;
  int maxRedirects = 5;
};

// A download's result: the body when ok, otherwise what went wrong (for a log or a
// console, never for the user's box).
struct DownloadReport {
  bool ok = false;
  std::string body;
  std::string failure;

  static DownloadReport Body(std::string body) { return {true, std::move(body), {}}; }
  static DownloadReport Failure(std::string why) { return {false, {}, std::move(why)}; }
};

// The request is a GET with the user agent "Skelder", accepting "*/*" and bypassing any
// cache. A complete body of no bytes, an HTTP status other than 2xx and a failed
// connection are failures.
class Downloader {
 public:
  using Delivery = std::function<void(const DownloadReport&)>;

  virtual ~Downloader() = default;
  // Where reports go. Each download ends with exactly one report, on the owner's
  // thread; an aborted one with a failure.
  void setDelivery(Delivery delivery) { delivery_ = std::move(delivery); }
  // Starts a download. One still running is aborted first and reports nothing more:
  // its owner has moved on.
  virtual void start(const std::string& url) = 0;
  // Aborts the running download, if any.
  virtual void abort() = 0;

 protected:
  void deliver(const DownloadReport& report) {
    if (delivery_) delivery_(report);
  }

 private:
  Delivery delivery_;
};

}  // namespace skelder
