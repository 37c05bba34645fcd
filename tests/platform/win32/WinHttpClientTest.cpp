// WinHTTP downloads against a small server of canned answers on 127.0.0.1 (the Linux
// tests use a real web server; this one runs inside the test under Wine).
#include <winsock2.h>
// after winsock2.h
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "platform/win32/WinHttpClient.h"

namespace skelder::testing {

namespace {

// Answers the connections in turn with the canned answers ("" never answers), and keeps
// the requests it got.
class CannedServer {
 public:
  explicit CannedServer(std::vector<std::string> answers) : answers_(std::move(answers)) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), size);
    listen(listener_, 8);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
  }
  ~CannedServer() {
    done_ = true;
    closesocket(listener_);
    thread_.join();
    WSACleanup();
  }

  std::string url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  std::vector<std::string> requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }

 private:
  void serve() {
    for (const std::string& answer : answers_) {
      SOCKET connection = accept(listener_, nullptr, nullptr);
      if (connection == INVALID_SOCKET) return;
      std::string request;
      char buffer[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.append(buffer, got);
      }
      {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
      }
      if (answer.empty()) {
        while (!done_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      } else {
        send(connection, answer.data(), static_cast<int>(answer.size()), 0);
      }
      closesocket(connection);
    }
  }

  std::vector<std::string> answers_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::thread thread_;
  std::atomic<bool> done_{false};
  std::mutex mutex_;
  std::vector<std::string> requests_;
};

std::string Answer(const std::string& status, const std::string& headers, const std::string& body) {
  return "HTTP/1.0 " + status + "\r\n" + headers +
         "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

DownloadReport Get(const std::string& url, DownloadLimits limits = {}) {
  const std::atomic<bool> stop{false};
  return WinHttpClient().get(url, limits, stop);
}

}  // namespace

TEST(WinHttpClient, GetsTheBodyWithTheProgramsHeadersAndFollowsRedirects) {
  CannedServer server(
      {Answer("302 Found", "Location: /ttversion.txt\r\n", ""), Answer("200 OK", "", "5.3-0")});
  const DownloadReport report = Get(server.url("/old/ttversion.txt"));
  EXPECT_TRUE(report.ok) << report.failure;
  EXPECT_EQ(report.body, "5.3-0");
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].substr(0, requests[1].find("\r\n")), "GET /ttversion.txt HTTP/1.0");
  for (const char* header : {"User-Agent: Skelder\r\n", "Accept: */*\r\n",
                             "Cache-Control: no-cache\r\n", "Pragma: no-cache\r\n"})
    EXPECT_NE(requests[1].find(header), std::string::npos) << header << " in " << requests[1];
}

TEST(WinHttpClient, FailsOnErrorsLimitsAndRedirectsElsewhere) {
  const std::string redirect = Answer("302 Found", "Location: /again\r\n", "");
  const struct {
    std::vector<std::string> answers;
    std::string failure;
  } cases[] = {
      {{Answer("404 Not Found", "", "gone")}, "HTTP status 404"},
      {{Answer("200 OK", "", "")}, "no data"},
      {{Answer("200 OK", "", std::string(1024 * 1024 + 1, 'a'))}, "body over 1048576 bytes"},
      {{Answer("302 Found", "Location: https://127.0.0.1:1/x\r\n", "")},
       "redirected to another scheme"},
      {std::vector<std::string>(6, redirect), "too many redirects"},
  };
  for (const auto& c : cases) {
    CannedServer server(c.answers);
    const DownloadReport report = Get(server.url("/ttversion.txt"));
    EXPECT_FALSE(report.ok) << c.failure;
    EXPECT_EQ(report.failure, c.failure);
    EXPECT_EQ(server.requests().size(), c.answers.size()) << c.failure;
  }
  EXPECT_EQ(Get("ftp://127.0.0.1/x").failure, "not an HTTP address");
}

TEST(WinHttpClient, ASilentServerFailsAfterTheIdleLimit) {
  CannedServer server({""});
  DownloadLimits limits;
  limits.idle = std::chrono::milliseconds(500);
  const auto begun = std::chrono::steady_clock::now();
  const DownloadReport report = Get(server.url("/ttversion.txt"), limits);
  EXPECT_FALSE(report.ok);
  EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::seconds(10));
}

}  // namespace skelder::testing
