#include "platform/win32/WinHttpClient.h"

#include <string>
#include <vector>

#include "platform/win32/Windows.h"
// after windows.h
#include <winhttp.h>

namespace skelder {

namespace {

class Handle {
 public:
  explicit Handle(HINTERNET handle) : handle_(handle) {}
  ~Handle() {
    if (handle_) WinHttpCloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HINTERNET get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HINTERNET handle_;
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

// The scheme of a URL as WinHTTP cracks it; 0 when it cannot.
INTERNET_SCHEME SchemeOf(const std::wstring& url) {
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwSchemeLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts))
    return static_cast<INTERNET_SCHEME>(0);
  return parts.nScheme;
}

}  // namespace

DownloadReport WinHttpClient::get(const std::string& address, const DownloadLimits& limits,
                                  const std::atomic<bool>& stop) const {
  const std::wstring url = Wide(address);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwSchemeLength = parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength =
      static_cast<DWORD>(-1);
  if (url.empty() || !WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts) ||
      (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS))
    return DownloadReport::Failure("not an HTTP address");
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty()) path = L"/";

  Handle session(WinHttpOpen(L"Skelder", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                             WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session) return SystemFailure("WinHttpOpen");
  const int idle = static_cast<int>(limits.idle.count());
  WinHttpSetTimeouts(session.get(), idle, idle, idle, idle);
  Handle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
  if (!connection) return SystemFailure("WinHttpConnect");
  const wchar_t* accept[] = {L"*/*", nullptr};
  const DWORD flags =
      WINHTTP_FLAG_REFRESH | (parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0);
  Handle request(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), L"HTTP/1.0",
                                    WINHTTP_NO_REFERER, accept, flags));
  if (!request) return SystemFailure("WinHttpOpenRequest");
  DWORD redirects = static_cast<DWORD>(limits.maxRedirects);
  WinHttpSetOption(request.get(), WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects,
                   sizeof redirects);
  DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP;
  WinHttpSetOption(request.get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy);
  const wchar_t headers[] = L"Cache-Control: no-cache\r\nPragma: no-cache";
  if (!WinHttpSendRequest(request.get(), headers, static_cast<DWORD>(-1L), WINHTTP_NO_REQUEST_DATA,
                          0, 0, 0))
    return SystemFailure("WinHttpSendRequest");
  if (stop) return DownloadReport::Failure("aborted");
  if (!WinHttpReceiveResponse(request.get(), nullptr))
    return SystemFailure("WinHttpReceiveResponse");

  // WinHTTP follows redirects itself; one that changed the scheme makes the result void.
  DWORD urlSize = 0;
  WinHttpQueryOption(request.get(), WINHTTP_OPTION_URL, nullptr, &urlSize);
  std::wstring finalUrl(urlSize / sizeof(wchar_t) + 1, L'\0');
  if (urlSize && WinHttpQueryOption(request.get(), WINHTTP_OPTION_URL, finalUrl.data(), &urlSize)) {
    finalUrl.resize(urlSize / sizeof(wchar_t));
    if (SchemeOf(finalUrl) != parts.nScheme)
      return DownloadReport::Failure("redirected to another scheme");
  }
  DWORD status = 0, statusSize = sizeof status;
  if (!WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusSize,
                           WINHTTP_NO_HEADER_INDEX))
    return SystemFailure("WinHttpQueryHeaders");
  if (status < 200 || status > 299)
    return DownloadReport::Failure("HTTP status " + std::to_string(status));

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
