#pragma once
#include "platform/HttpClient.h"

namespace skelder {

// libcurl's multi interface, polled in short steps so that the stop flag and the idle
// limit are looked at while a connection waits.
class CurlHttpClient : public HttpClient {
 public:
  DownloadReport get(const std::string& url, const DownloadLimits& limits,
                     const std::atomic<bool>& stop) const override;
};

}  // namespace skelder
