#pragma once
#include "platform/HttpClient.h"

namespace skelder {

// WinHTTP in its blocking mode. Each wait of a connection is bounded by the idle limit
// (WinHTTP's time-outs); the stop flag is looked at between those waits. Redirects are
// followed here rather than by WinHTTP, so that one to another scheme is never requested.
class WinHttpClient : public HttpClient {
 public:
  DownloadReport get(const std::string& url, const DownloadLimits& limits,
                     const std::atomic<bool>& stop) const override;
};

}  // namespace skelder
