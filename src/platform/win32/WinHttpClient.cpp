#include "platform/win32/WinHttpClient.h"

#include <string>
#include <vector>

#include "platform/win32/Windows.h"
// after windows.h
#include <shlwapi.h>
#include <winhttp.h>

namespace skelder {

namespace {

class Handle {
 public:
  Handle() = default;
  explicit Handle(HINTERNET handle) : handle_(handle) {}
  ~Handle() { reset(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  void reset(HINTERNET handle = nullptr) {
    if (handle_) WinHttpCloseHandle(handle_);
    handle_ = handle;
  }
  HINTERNET get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HINTERNET handle_ = nullptr;
};

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

DownloadReport SystemFailure(const char* what) {
  return DownloadReport::Failure(std::string(what) + " failed (error " +
                                 std::to_string(GetLastError()) + ")");
}

bool IsRedirect(DWORD status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The parts of an address WinHTTP connects with.
struct Address {
  INTERNET_SCHEME scheme = static_cast<INTERNET_SCHEME>(0);
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring path;  // with the query
};

bool Crack(const std::wstring& url, Address& address) {
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwSchemeLength = parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength =
      static_cast<DWORD>(-1);
  if (url.empty() || !WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts) ||
      (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS))
    return false;
  address.scheme = parts.nScheme;
  address.host.assign(parts.lpszHostName, parts.dwHostNameLength);
  address.port = parts.nPort;
  address.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  address.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (address.path.empty()) address.path = L"/";
  return true;
}

// The value of the Location header, resolved against the address it came from.
std::wstring Location(HINTERNET request, const std::wstring& from) {
  DWORD size = 0;
  WinHttpQueryHeaders(request, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                      WINHTTP_NO_HEADER_INDEX);
  if (size == 0) return {};
  std::wstring location(size / sizeof(wchar_t) + 1, L'\0');
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX,
                           location.data(), &size, WINHTTP_NO_HEADER_INDEX))
    return {};
  location.resize(size / sizeof(wchar_t));
  std::wstring combined(2048, L'\0');
  DWORD length = static_cast<DWORD>(combined.size());
  if (FAILED(UrlCombineW(from.c_str(), location.c_str(), combined.data(), &length, 0))) return {};
  combined.resize(length);
  return combined;
}

}  // namespace

DownloadReport WinHttpClient::get(const std::string& url, const DownloadLimits& limits,
                                  const std::atomic<bool>& stop) const {
  std::wstring current = Wide(url);
  Address address;
  if (!Crack(current, address)) return DownloadReport::Failure("not an HTTP address");
  const INTERNET_SCHEME scheme = address.scheme;

  Handle session(WinHttpOpen(L"Skelder", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                             WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session) return SystemFailure("WinHttpOpen");
  const int idle = static_cast<int>(limits.idle.count());
  WinHttpSetTimeouts(session.get(), idle, idle, idle, idle);

  Handle connection, request;
  for (int redirects = 0;; ++redirects) {
    connection.reset(WinHttpConnect(session.get(), address.host.c_str(), address.port, 0));
    if (!connection) return SystemFailure("WinHttpConnect");
    const wchar_t* accept[] = {L"*/*", nullptr};
    const DWORD flags =
        WINHTTP_FLAG_REFRESH | (address.scheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0);
    request.reset(WinHttpOpenRequest(connection.get(), L"GET", address.path.c_str(), L"HTTP/1.0",
                                     WINHTTP_NO_REFERER, accept, flags));
    if (!request) return SystemFailure("WinHttpOpenRequest");
    // On the request too: not every WinHTTP hands the session's time-outs down.
    WinHttpSetTimeouts(request.get(), idle, idle, idle, idle);
    DWORD wait = static_cast<DWORD>(idle);
    WinHttpSetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &wait, sizeof wait);
    DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    WinHttpSetOption(request.get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy);
    const wchar_t headers[] = L"Cache-Control: no-cache\r\nPragma: no-cache";
    if (!WinHttpSendRequest(request.get(), headers, static_cast<DWORD>(-1L),
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0))
      return SystemFailure("WinHttpSendRequest");
    if (stop) return DownloadReport::Failure("aborted");
    if (!WinHttpReceiveResponse(request.get(), nullptr))
      return SystemFailure("WinHttpReceiveResponse");
    if (stop) return DownloadReport::Failure("aborted");

    DWORD status = 0, statusSize = sizeof status;
    if (!WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusSize,
                             WINHTTP_NO_HEADER_INDEX))
      return SystemFailure("WinHttpQueryHeaders");
    if (!IsRedirect(status)) {
      if (status < 200 || status > 299)
        return DownloadReport::Failure("HTTP status " + std::to_string(status));
      break;
    }
    if (redirects == limits.maxRedirects) return DownloadReport::Failure("too many redirects");
    current = Location(request.get(), current);
    if (!Crack(current, address)) return DownloadReport::Failure("redirected to no HTTP address");
    if (address.scheme != scheme) return DownloadReport::Failure("redirected to another scheme");
  }

  std::string body;
  std::vector<char> buffer(16384);
  for (;;) {
    if (stop) return DownloadReport::Failure("aborted");
    DWORD read = 0;
    if (!WinHttpReadData(request.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read))
      return SystemFailure("WinHttpReadData");
    if (read == 0) break;
    if (read > limits.maxBody - body.size())
      return DownloadReport::Failure("body over " + std::to_string(limits.maxBody) + " bytes");
    body.append(buffer.data(), read);
  }
  if (body.empty()) return DownloadReport::Failure("no data");
  return DownloadReport::Body(std::move(body));
}

}  // namespace skelder
