// The platform's downloads over libcurl against a real web server on 127.0.0.1.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/ThreadedDownloader.h"
#include "platform/posix/CurlHttpClient.h"
#include "support/TempFolder.h"
#include "support/TestHttpServer.h"

namespace skelder::testing {

namespace {

using std::chrono::milliseconds;
using Steady = std::chrono::steady_clock;

class HttpDownloadTest : public ::testing::Test {
 protected:
  // Starts the download and waits for its one report.
  DownloadReport Fetch(const std::string& url, DownloadLimits limits = {}) {
    ThreadedDownloader downloader(client, limits);
    std::vector<DownloadReport> reports;
    downloader.setDelivery([&](const DownloadReport& report) { reports.push_back(report); });
    downloader.start(url);
    EXPECT_TRUE(downloader.deliverReport(milliseconds(20000)));
    EXPECT_FALSE(downloader.deliverReport(milliseconds(0)));
    EXPECT_EQ(reports.size(), 1u);
    return reports.empty() ? DownloadReport{} : reports.front();
  }

  CurlHttpClient client;
  TempFolder folder;
};

}  // namespace

TEST_F(HttpDownloadTest, DeliversTheWholeBodyOfAGetWithTheProgramsHeaders) {
  const std::string notes = std::string("5.3:\n- one\r\n\0\xE9\n", 15);
  WriteFileBytes(folder.file("ttversioninfo.txt"), notes);
  TestHttpServer server({"files", folder.path()});
  const DownloadReport report = Fetch(server.url("/ttversioninfo.txt"));
  EXPECT_TRUE(report.ok) << report.failure;
  EXPECT_EQ(report.body, notes);

  const std::string headers = Fetch(server.url("/headers")).body;
  EXPECT_EQ(headers.substr(0, headers.find("\r\n")), "GET /headers HTTP/1.0");
  for (const char* header : {"\r\nUser-Agent: Skelder\r\n", "\r\nAccept: */*\r\n",
                             "\r\nCache-Control: no-cache\r\n", "\r\nPragma: no-cache\r\n"})
    EXPECT_NE(headers.find(header), std::string::npos) << header << " in " << headers;
}

TEST_F(HttpDownloadTest, NoConnectionAndNoDataAreFailures) {
  WriteFileBytes(folder.file("empty.txt"), "");
  TestHttpServer server({"files", folder.path()});
  const std::pair<std::string, std::string> cases[] = {
      {"http://127.0.0.1:" + std::to_string(ClosedPort()) + "/ttversion.txt",
       "Couldn't connect to server"},
      {server.url("/empty.txt"), "no data"},
      {server.url("/missing.txt"), "HTTP status 404"},
      {"ftp://127.0.0.1/ttversion.txt", "not an HTTP address"},
      {"not an address", "not an HTTP address"},
  };
  for (const auto& [url, failure] : cases) {
    const DownloadReport report = Fetch(url);
    EXPECT_FALSE(report.ok) << url;
    EXPECT_EQ(report.body, "") << url;
    EXPECT_EQ(report.failure, failure) << url;
  }
}

TEST_F(HttpDownloadTest, ASilentServerFailsAfterTheIdleLimitAndASlowOneDoesNot) {
  DownloadLimits limits;
  limits.idle = milliseconds(400);
  {
    TestHttpServer silent({"silent"});
    const auto begun = Steady::now();
    const DownloadReport report = Fetch(silent.url("/ttversion.txt"), limits);
    const auto took = Steady::now() - begun;
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(report.failure, "nothing received for 400 ms");
    EXPECT_GE(took, milliseconds(400));
    EXPECT_LT(took, milliseconds(10000));
  }
  // Ten bytes, 100 ms apart: longer than the limit in all, never that long between two.
  TestHttpServer slow({"slow", "100", "10"});
  const DownloadReport report = Fetch(slow.url("/ttversion.txt"), limits);
  EXPECT_TRUE(report.ok) << report.failure;
  EXPECT_EQ(report.body, "xxxxxxxxxx");
}

TEST_F(HttpDownloadTest, ABodyOverTheSizeLimitIsAFailure) {
  WriteFileBytes(folder.file("limit.txt"), std::string(1024 * 1024, 'a'));
  WriteFileBytes(folder.file("over.txt"), std::string(1024 * 1024 + 1, 'a'));
  TestHttpServer server({"files", folder.path()});
  EXPECT_EQ(Fetch(server.url("/limit.txt")).body.size(), 1024u * 1024u);
  const DownloadReport over = Fetch(server.url("/over.txt"));
  EXPECT_FALSE(over.ok);
  EXPECT_EQ(over.failure, "body over 1048576 bytes");
}

TEST_F(HttpDownloadTest, RedirectsAreFollowedFiveTimesAndOnlyToTheSameScheme) {
  WriteFileBytes(folder.file("v.txt"), "5.3-0");
  TestHttpServer server({"files", folder.path()});
  EXPECT_EQ(Fetch(server.url("/redirect/5/v.txt")).body, "5.3-0");
  EXPECT_EQ(Fetch(server.url("/redirect/6/v.txt")).failure,
            "Number of redirects hit maximum amount");
  // Refused before any connection is tried (this server speaks no TLS either way).
  for (const char* scheme : {"https", "ftp"})
    EXPECT_EQ(Fetch(server.url("/elsewhere/") + scheme).failure, "Unsupported protocol") << scheme;
}

TEST_F(HttpDownloadTest, AnAbortedDownloadEndsWithAFailureAndTheNextOneRuns) {
  WriteFileBytes(folder.file("v.txt"), "1.0-1");
  TestHttpServer silent({"silent"});
  TestHttpServer files({"files", folder.path()});
  ThreadedDownloader downloader(client);  // the idle limit of 30 s
  std::vector<DownloadReport> reports;
  downloader.setDelivery([&](const DownloadReport& report) { reports.push_back(report); });

  downloader.start(silent.url("/ttversion.txt"));
  EXPECT_FALSE(downloader.deliverReport(milliseconds(200)));
  const auto begun = Steady::now();
  downloader.abort();
  ASSERT_TRUE(downloader.deliverReport(milliseconds(5000)));
  EXPECT_LT(Steady::now() - begun, milliseconds(5000));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_FALSE(reports[0].ok);
  EXPECT_EQ(reports[0].failure, "aborted");

  // Aborted and started again before its report was taken: only the new one reports.
  downloader.start(silent.url("/ttversion.txt"));
  downloader.abort();
  downloader.start(files.url("/v.txt"));
  ASSERT_TRUE(downloader.deliverReport(milliseconds(20000)));
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1].body, "1.0-1");
  EXPECT_FALSE(downloader.deliverReport(milliseconds(0)));
}

}  // namespace skelder::testing
