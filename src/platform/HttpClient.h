#pragma once
// A blocking HTTP GET, the system's part of a download (libcurl on Linux, WinHTTP on
// Windows). ThreadedDownloader runs it on a worker thread.
#include <atomic>
#include <string>

#include "platform/Downloader.h"

namespace skelder {

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // Fetches url ("http://" or "https://") as Downloader describes, within the limits.
  // Checks stop between reads and then ends with a failure. Safe to call from several
  // threads at once.
  virtual DownloadReport get(const std::string& url, const DownloadLimits& limits,
                             const std::atomic<bool>& stop) const = 0;
};

}  // namespace skelder
