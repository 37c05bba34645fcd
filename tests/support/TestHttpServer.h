#pragma once
// A web server process on 127.0.0.1 for the download tests (tests/support/http_server.py
// run by python3), ended with the object. POSIX only.
#include <string>
#include <vector>

namespace skelder::testing {

class TestHttpServer {
 public:
  // mode and its arguments as http_server.py takes them: {"files", folder}, {"silent"},
  // {"slow", "100", "10"}. Waits until the server listens.
  explicit TestHttpServer(const std::vector<std::string>& arguments);
  ~TestHttpServer();
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  int port() const { return port_; }
  // "http://127.0.0.1:" + port + path
  std::string url(const std::string& path) const;

 private:
  int pid_ = -1;
  int port_ = 0;
};

// A port on 127.0.0.1 where nobody listens (a connection is refused).
int ClosedPort();

}  // namespace skelder::testing
