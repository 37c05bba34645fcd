// The update window over the core's check, driven on the offscreen platform: the labels,
// the results box, the button and the links; and its downloads over Qt's network access
// against a web server on 127.0.0.1.
#include "gui/integration/UpdateWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "core/integration/UpdateTexts.h"
#include "core/integration/VersionLines.h"
#include "gui/integration/QtDownloader.h"
#include "support/FakeDownloader.h"
#include "support/FakePlatform.h"
#include "support/MemorySettingsStore.h"
#include "support/PeVersionFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/TestHttpServer.h"

namespace skelder::testing {

namespace {

const std::string kTT = "http://updates.test/freeware/TeraTerm";
const std::string kSK = "http://updates.test/freeware/Skelder";
const std::string kClosing =
    "Skelder will close now to perform the upgrade.\rPress Ok to continue.";

// Tera Term runs for the first `runs` looks.
class CountedProcesses : public ProcessList {
 public:
  bool isRunning(const std::string&) const override { return runs-- > 0; }
  mutable int runs = 0;
};

// The product's published version relative to the version this build carries.
std::string Product(int releaseAhead) {
  const FileVersion own = ProgramVersion();
  return std::to_string(own.major) + "." + std::to_string(own.minor) + "-" +
         std::to_string(own.release + releaseAhead);
}

class UpdateWindowTest : public ::testing::Test {
 protected:
  UpdateWindowTest() { WriteFileBytes(folder.file("ttermpro.exe"), PeFileWithVersion(5, 2, 1, 0)); }

  UpdateWindow& window(Downloader& through, const UpdateAddresses& addresses) {
    if (!window_)
      window_ = std::make_unique<UpdateWindow>(UpdateWindowServices{
          through, store, latest, system, folder.path() + "/", addresses,
          UpgradeServices{dialogs, processes, starter, broadcaster, [this] { return mayClose; },
                          [this] { ++backups; }}});
    return *window_;
  }
  UpdateWindow& window() { return window(downloader, {kTT, kSK}); }

  // Shows the window for a check whose downloads the files answer (a missing one fails);
  // inside runs in its modal loop once the check is done (at once with untilDone
  // false). A window still open afterwards is closed with Escape.
  void Check(const std::function<void(UpdateWindow&)>& inside, bool untilDone = true) {
    UpdateWindow& w = window();
    QTimer server;
    server.setInterval(5);
    QObject::connect(&server, &QTimer::timeout, [this] {
      if (!downloader.running || !answering) return;
      const auto file = files.find(downloader.started.back());
      if (file == files.end())
        downloader.failNow();
      else
        downloader.finish(file->second);
    });
    server.start();
    QTimer::singleShot(0, &w, [&w, inside, untilDone] {
      if (untilDone) {
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w.check().done(); }, 10000));
      }
      inside(w);
      if (w.isVisible()) QTest::keyClick(&w, Qt::Key_Escape);
    });
    w.checkForUpdates();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.timer().isActive());
  }

  static std::string Text(QLabel* label) { return label->text().toStdString(); }
  static bool IsLink(QLabel* label) {
    return label->font().underline() && label->palette().color(QPalette::WindowText) == Qt::blue;
  }
  static bool Hand(QLabel* label) {
    return label->testAttribute(Qt::WA_SetCursor) &&
           label->cursor().shape() == Qt::PointingHandCursor;
  }

  TempFolder folder;
  FakeDownloader downloader;
  MemorySettingsStore store;
  LatestVersions latest;
  FakeSystem system;
  ScriptedDialogs dialogs;
  CountedProcesses processes;
  FakeStarter starter;
  FakeBroadcaster broadcaster;
  int backups = 0;
  bool mayClose = true;
  bool answering = true;  // whether the fake server answers at all
  std::map<std::string, std::string> files;
  std::unique_ptr<UpdateWindow> window_;
};

}  // namespace

TEST_F(UpdateWindowTest, WhileCheckingTheLatestLabelsBlinkAndEscapeCancels) {
  std::vector<bool> shown;
  answering = false;
  Check(
      [&](UpdateWindow& w) {
        EXPECT_EQ(w.windowTitle(), "Skelder Check for Updates");
        std::vector<std::string> groups;
        for (auto* group : w.findChildren<QGroupBox*>())
          groups.push_back(group->title().toStdString());
        EXPECT_EQ(groups,
                  (std::vector<std::string>{" Version information: ", " TeraTerm Professional ",
                                            " Skelder ", " Results:  "}));
        EXPECT_EQ(Text(w.findChild<QLabel*>("lblTeraTermInstalled")), "5.2");
        EXPECT_EQ(Text(w.findChild<QLabel*>("lblSkelderInstalled")),
                  ProductInstalledText(ProgramVersion()));
        EXPECT_EQ(Text(w.teraTermLatest()), "Checking");
        EXPECT_EQ(Text(w.productLatest()), "Checking");
        EXPECT_EQ(w.results()->toPlainText(), "Please wait...");
        EXPECT_EQ(w.button()->text(), "Cancel");
        EXPECT_EQ(w.timer().interval(), 250);
        QObject::connect(&w.timer(), &QTimer::timeout, &w,
                         [&] { shown.push_back(w.teraTermLatest()->isVisible()); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() >= 3; }, 5000));
      },
      false);
  EXPECT_EQ(shown, (std::vector<bool>{false, true, false}));
  EXPECT_EQ(downloader.started, std::vector<std::string>{kTT + "/ttversion.txt"});
  EXPECT_EQ(downloader.aborts, 1);
  EXPECT_FALSE(downloader.running);
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(UpdateWindowTest, UpToDateTheLabelsAreNoLinksAndTheButtonCloses) {
  files = {{kTT + "/ttversion.txt", "5.2-1"}, {kSK + "/skelderversion.txt", Product(0)}};
  Check([&](UpdateWindow& w) {
    EXPECT_EQ(Text(w.teraTermLatest()), "5.2");
    EXPECT_TRUE(w.teraTermLatest()->isVisible());
    EXPECT_TRUE(w.productLatest()->isVisible());
    EXPECT_FALSE(IsLink(w.teraTermLatest()));
    EXPECT_FALSE(Hand(w.teraTermLatest()));
    EXPECT_EQ(w.results()->toPlainText(),
              "Both TeraTerm and Skelder versions on this PC are up to date.\n\nNo upgrade is "
              "necessary.");
    EXPECT_EQ(w.button()->text(), "Close");
    EXPECT_FALSE(w.timer().isActive());
    const QFont font = w.results()->font();
    EXPECT_EQ(font.family(), "Courier New");
    EXPECT_TRUE(font.fixedPitch());
    EXPECT_TRUE(w.results()->isReadOnly());
    EXPECT_EQ(w.results()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QTest::mouseClick(w.teraTermLatest(), Qt::LeftButton);  // no link: nothing happens
    EXPECT_TRUE(w.isVisible());
    w.button()->click();
    EXPECT_FALSE(w.isVisible());
  });
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(UpdateWindowTest, BothNewerOnlyTeraTermsLinkReactsAndTheWindowStaysOpen) {
  files = {{kTT + "/ttversion.txt", "6.0-0"},
           {kTT + "/ttversioninfo.txt", "tt\nnotes"},
           {kSK + "/skelderversion.txt", Product(1)},
           {kSK + "/skelderversioninfo.txt", "product notes"}};
  processes.runs = 1;
  Check([&](UpdateWindow& w) {
    EXPECT_TRUE(IsLink(w.teraTermLatest()));
    EXPECT_TRUE(IsLink(w.productLatest()));
    EXPECT_TRUE(Hand(w.teraTermLatest()));
    EXPECT_FALSE(Hand(w.productLatest()));
    const QString results = w.results()->toPlainText();
    EXPECT_TRUE(results.endsWith("below.\n\ntt\nnotes\n\nproduct notes")) << results.toStdString();

    QTest::mouseClick(w.productLatest(), Qt::LeftButton);
    EXPECT_TRUE(dialogs.boxes().empty());
    EXPECT_TRUE(w.isVisible());

    for (const char* answer : {"OK", "Yes"}) dialogs.answer(answer);
    QTest::mouseClick(w.teraTermLatest(), Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
  });
  ASSERT_EQ(dialogs.boxes().size(), 3u);
  EXPECT_EQ(dialogs.boxes()[0].kind, "warning");
  EXPECT_EQ(dialogs.boxes()[1].buttons, "Yes,No,Cancel");
  EXPECT_EQ(dialogs.boxes()[2], InformationBox(kClosing));
  EXPECT_EQ(backups, 1);
  EXPECT_EQ(starter.started, std::vector<std::string>{kTT + "/teraterm_utf8_60.exe||"});
  EXPECT_EQ(broadcaster.sent, std::vector<std::string>{"SkelderStopMessage"});
}

TEST_F(UpdateWindowTest, TheProductsLinkClosesTheWindowThenOpensTheInstaller) {
  files = {{kTT + "/ttversion.txt", "5.2-1"},
           {kSK + "/skelderversion.txt", Product(2)},
           {kSK + "/skelderversioninfo.txt", "notes"}};
  Check([&](UpdateWindow& w) {
    EXPECT_FALSE(IsLink(w.teraTermLatest()));
    EXPECT_TRUE(Hand(w.productLatest()));
    QTest::mouseClick(w.productLatest(), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
  });
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{InformationBox(kClosing)});
  const FileVersion own = ProgramVersion();
  EXPECT_EQ(starter.started, std::vector<std::string>{kSK + "/setup" + std::to_string(own.major) +
                                                      std::to_string(own.minor) +
                                                      std::to_string(own.release + 2) + ".exe||"});
  EXPECT_EQ(broadcaster.sent, std::vector<std::string>{"SkelderStopMessage"});
  EXPECT_EQ(store.openKey(kSettingsKeyPath, false)->readString("SkelderLatestVersion"), Product(2));
}

TEST_F(UpdateWindowTest, AFailedDownloadShowsTheConnectionError) {
  files = {{kTT + "/ttversion.txt", "5.3-0"}};  // the release notes cannot be had
  Check([&](UpdateWindow& w) {
    EXPECT_EQ(Text(w.teraTermLatest()), "???");
    EXPECT_EQ(Text(w.productLatest()), "???");
    EXPECT_FALSE(IsLink(w.teraTermLatest()));
    EXPECT_FALSE(Hand(w.teraTermLatest()));
    EXPECT_EQ(w.results()->toPlainText(),
              "Error connecting Vantrell Solutions web site.\n\nCheck your Internet connection or "
              "try again later.");
    EXPECT_EQ(w.button()->text(), "Close");
  });
  // A second check of the same window starts afresh.
  files = {{kTT + "/ttversion.txt", "5.2-1"}, {kSK + "/skelderversion.txt", Product(0)}};
  Check([&](UpdateWindow& w) {
    EXPECT_EQ(Text(w.teraTermLatest()), "5.2");
    EXPECT_EQ(w.results()->toPlainText().left(19), "Both TeraTerm and S");
  });
}

// Qt's downloads against a real web server.
class QtDownloaderTest : public ::testing::Test {
 protected:
  DownloadReport Fetch(const std::string& url, DownloadLimits limits = {}) {
    QtDownloader downloader(limits);
    std::vector<DownloadReport> reports;
    downloader.setDelivery([&](const DownloadReport& report) { reports.push_back(report); });
    downloader.start(url);
    EXPECT_TRUE(reports.empty());  // never from inside start
    EXPECT_TRUE(QTest::qWaitFor([&] { return !reports.empty(); }, 20000));
    QTest::qWait(20);
    EXPECT_EQ(reports.size(), 1u);
    return reports.empty() ? DownloadReport{} : reports.front();
  }

  TempFolder web;
};

TEST_F(QtDownloaderTest, DeliversTheBodyOfAGetWithTheProgramsHeaders) {
  const std::string notes("5.3:\n- one\r\n\0\xE9\n", 15);
  WriteFileBytes(web.file("notes.txt"), notes);
  TestHttpServer server({"files", web.path()});
  const DownloadReport report = Fetch(server.url("/notes.txt"));
  EXPECT_TRUE(report.ok) << report.failure;
  EXPECT_EQ(report.body, notes);
  const std::string headers = Fetch(server.url("/headers")).body;
  EXPECT_EQ(headers.substr(0, 13), "GET /headers ");
  for (const char* header : {"\r\nUser-Agent: Skelder\r\n", "\r\nAccept: */*\r\n",
                             "\r\nCache-Control: no-cache\r\n", "\r\nPragma: no-cache\r\n"})
    EXPECT_NE(headers.find(header), std::string::npos) << header << " in " << headers;
}

TEST_F(QtDownloaderTest, FailsWithoutConnectionDataOrWithinTheLimits) {
  WriteFileBytes(web.file("empty.txt"), "");
  WriteFileBytes(web.file("v.txt"), "5.3-0");
  WriteFileBytes(web.file("limit.txt"), std::string(1024 * 1024, 'a'));
  WriteFileBytes(web.file("over.txt"), std::string(1024 * 1024 + 1, 'a'));
  TestHttpServer server({"files", web.path()});
  EXPECT_EQ(Fetch(server.url("/limit.txt")).body.size(), 1024u * 1024u);
  EXPECT_EQ(Fetch(server.url("/redirect/5/v.txt")).body, "5.3-0");
  const std::pair<std::string, std::string> cases[] = {
      {server.url("/empty.txt"), "no data"},
      {server.url("/missing.txt"), "HTTP status 404"},
      {server.url("/over.txt"), "body over 1048576 bytes"},
      {server.url("/redirect/6/v.txt"), "too many redirects"},
      {server.url("/elsewhere/https/"), "redirected to another scheme"},
      {"file://" + web.file("v.txt"), "not an HTTP address"},
  };
  for (const auto& [url, failure] : cases) {
    const DownloadReport report = Fetch(url);
    EXPECT_FALSE(report.ok) << url;
    EXPECT_EQ(report.failure, failure) << url;
  }
  const DownloadReport refused =
      Fetch("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/ttversion.txt");
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.body, "");
}

TEST_F(QtDownloaderTest, ASilentServerFailsAfterTheIdleLimitAndAbortReportsAtOnce) {
  TestHttpServer silent({"silent"});
  DownloadLimits limits;
  limits.idle = std::chrono::milliseconds(400);
  const DownloadReport report = Fetch(silent.url("/ttversion.txt"), limits);
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.failure, "nothing received for 400 ms");

  QtDownloader downloader;
  std::vector<DownloadReport> reports;
  downloader.setDelivery([&](const DownloadReport& r) { reports.push_back(r); });
  downloader.start(silent.url("/ttversion.txt"));
  QTest::qWait(100);
  downloader.abort();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].failure, "aborted");
  QTest::qWait(50);
  EXPECT_EQ(reports.size(), 1u);
}

TEST_F(UpdateWindowTest, AWholeCheckOverTheNetwork) {
  TempFolder web;
  std::filesystem::create_directories(web.file("freeware/TeraTerm"));
  std::filesystem::create_directories(web.file("freeware/Skelder"));
  WriteFileBytes(web.file("freeware/TeraTerm/ttversion.txt"), "5.3-0");
  WriteFileBytes(web.file("freeware/TeraTerm/ttversioninfo.txt"), "5.3\n- faster\n");
  WriteFileBytes(web.file("freeware/Skelder/skelderversion.txt"), Product(0));
  TestHttpServer server({"files", web.path()});
  QtDownloader network;
  UpdateWindow& w =
      window(network, {server.url("/freeware/TeraTerm"), server.url("/freeware/Skelder")});
  QTimer::singleShot(0, &w, [&w] {
    EXPECT_TRUE(QTest::qWaitFor([&w] { return w.check().done(); }, 20000));
    EXPECT_EQ(w.teraTermLatest()->text(), "5.3");
    EXPECT_TRUE(w.results()->toPlainText().endsWith("below.\n\n5.3\n- faster\n"))
        << w.results()->toPlainText().toStdString();
    QTest::keyClick(&w, Qt::Key_Escape);
  });
  w.checkForUpdates();
  EXPECT_EQ(latest.teraTerm, "5.3-0");
  window_.reset();  // before its downloader goes
}

}  // namespace skelder::testing
