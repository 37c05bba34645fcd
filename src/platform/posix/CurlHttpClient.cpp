#include "platform/posix/CurlHttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <mutex>

namespace skelder {

namespace {

using Steady = std::chrono::steady_clock;

// What the callbacks see of one transfer.
struct Transfer {
  std::string body;
  std::size_t maxBody = 0;
  bool oversized = false;
  Steady::time_point lastArrival = Steady::now();
};

size_t WriteBody(char* data, size_t size, size_t count, void* context) {
  auto& transfer = *static_cast<Transfer*>(context);
  const size_t bytes = size * count;
  transfer.lastArrival = Steady::now();
  if (bytes > transfer.maxBody - transfer.body.size()) {
    transfer.oversized = true;
    return 0;  // ends the transfer with CURLE_WRITE_ERROR
  }
  transfer.body.append(data, bytes);
  return bytes;
}

size_t ReadHeader(char* /*data*/, size_t size, size_t count, void* context) {
  static_cast<Transfer*>(context)->lastArrival = Steady::now();
  return size * count;
}

// The scheme of a URL in lower case ("http"), empty when it has none.
std::string SchemeOf(const std::string& url) {
  const auto colon = url.find("://");
  if (colon == std::string::npos) return {};
  std::string scheme = url.substr(0, colon);
  std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return scheme;
}

struct EasyHandle {
  CURL* handle = curl_easy_init();
  curl_slist* headers = nullptr;
  ~EasyHandle() {
    curl_slist_free_all(headers);
    curl_easy_cleanup(handle);
  }
};

struct MultiHandle {
  CURLM* handle = curl_multi_init();
  CURL* easy = nullptr;
  ~MultiHandle() {
    if (easy) curl_multi_remove_handle(handle, easy);
    curl_multi_cleanup(handle);
  }
};

}  // namespace

DownloadReport CurlHttpClient::get(const std::string& url, const DownloadLimits& limits,
                                   const std::atomic<bool>& stop) const {
  // Once, at the first download rather than at every start of the program.
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  const std::string scheme = SchemeOf(url);
  if (scheme != "http" && scheme != "https") return DownloadReport::Failure("not an HTTP address");
  EasyHandle easy;
  MultiHandle multi;
  if (!easy.handle || !multi.handle) return DownloadReport::Failure("libcurl unavailable");

  Transfer transfer;
  transfer.maxBody = limits.maxBody;
  CURL* h = easy.handle;
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
  curl_easy_setopt(h, CURLOPT_USERAGENT, "Skelder");
  for (const char* header : {"Accept: */*", "Cache-Control: no-cache", "Pragma: no-cache"})
    easy.headers = curl_slist_append(easy.headers, header);
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, easy.headers);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, static_cast<long>(limits.maxRedirects));
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, scheme.c_str());
  curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBody));
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, WriteBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, ReadHeader);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &transfer);
  if (curl_multi_add_handle(multi.handle, h) != CURLM_OK)
    return DownloadReport::Failure("libcurl unavailable");
  multi.easy = h;

  const auto step =
      std::min<std::chrono::milliseconds>(limits.idle, std::chrono::milliseconds(100));
  int running = 1;
  while (running) {
    if (curl_multi_perform(multi.handle, &running) != CURLM_OK)
      return DownloadReport::Failure("libcurl failed");
    if (!running) break;
    if (stop) return DownloadReport::Failure("aborted");
    if (Steady::now() - transfer.lastArrival >= limits.idle)
      return DownloadReport::Failure("nothing received for " + std::to_string(limits.idle.count()) +
                                     " ms");
    curl_multi_poll(multi.handle, nullptr, 0, static_cast<int>(step.count()), nullptr);
  }
  if (stop) return DownloadReport::Failure("aborted");

  CURLcode result = CURLE_OK;
  int queued = 0;
  while (CURLMsg* message = curl_multi_info_read(multi.handle, &queued))
    if (message->msg == CURLMSG_DONE) result = message->data.result;
  if (transfer.oversized || result == CURLE_FILESIZE_EXCEEDED)
    return DownloadReport::Failure("body over " + std::to_string(limits.maxBody) + " bytes");
  if (result != CURLE_OK) return DownloadReport::Failure(curl_easy_strerror(result));
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
  if (status < 200 || status > 299)
    return DownloadReport::Failure("HTTP status " + std::to_string(status));
  if (transfer.body.empty()) return DownloadReport::Failure("no data");
  return DownloadReport::Body(std::move(transfer.body));
}

}  // namespace skelder
