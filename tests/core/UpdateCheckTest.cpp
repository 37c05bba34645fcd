// The update check driven as the update window drives it: ticks and downloads from a
// fake server, every label, text and stored value as the window would show them.
#include "core/integration/UpdateCheck.h"

#include <gtest/gtest.h>

#include <map>

#include "core/integration/UpdateTexts.h"
#include "support/FakeDownloader.h"
#include "support/MemorySettingsStore.h"

namespace skelder::testing {

namespace {

const std::string kTT = "http://updates.test/freeware/TeraTerm";
const std::string kSK = "http://updates.test/freeware/Skelder";
const FileVersion kTeraTerm{5, 2, 1, 0};  // installed: 5.2 release 1
const FileVersion kProduct{1, 0, 0, 0};   // installed: 1.0 (Beta)

const std::string kUpToDate =
    "Both TeraTerm and Skelder versions on this PC are up to date.\r\n\r\nNo upgrade is necessary.";

class UpdateCheckTest : public ::testing::Test {
 protected:
  UpdateCheckTest() : check(downloader, store, latest, UpdateAddresses{kTT, kSK}) {}

  // Answers each download from the files (a missing file fails like a refused
  // connection) and ticks until the check is done; the URLs in the order started.
  std::vector<std::string> Run(const FileVersion& teraTerm = kTeraTerm,
                               const FileVersion& product = kProduct) {
    check.begin(teraTerm, product);
    for (int ticks = 0; !check.done() && ticks < 100; ++ticks) {
      if (downloader.running) {
        const auto file = files.find(downloader.started.back());
        if (file == files.end())
          downloader.failNow();
        else
          downloader.finish(file->second);
      }
      check.tick();
    }
    EXPECT_TRUE(check.done());
    EXPECT_FALSE(check.timerActive());
    EXPECT_STREQ(check.buttonText(), "Close");
    return downloader.started;
  }

  std::optional<std::string> Stored(const std::string& name) {
    auto key = store.openKey(kSettingsKeyPath, false);
    return key ? key->readString(name) : std::nullopt;
  }

  FakeDownloader downloader;
  MemorySettingsStore store;
  LatestVersions latest;
  UpdateCheck check;
  std::map<std::string, std::string> files;
};

LatestLabel Label(const std::string& text, LatestState state) { return {text, state, true}; }

void ExpectLabel(const LatestLabel& label, const std::string& text, LatestState state) {
  EXPECT_EQ(label.text, text);
  EXPECT_EQ(label.state, state);
  EXPECT_TRUE(label.visible);
}

}  // namespace

TEST_F(UpdateCheckTest, BeginShowsTheInstalledVersionsAndStartsWithTeraTermsVersion) {
  int changes = 0;
  check.setChangeHook([&] { ++changes; });
  check.begin(kTeraTerm, {1, 2, 3, 4});
  EXPECT_EQ(check.teraTermInstalled(), "5.2");
  EXPECT_EQ(check.productInstalled(), "1.2.3");
  ExpectLabel(check.teraTermLatest(), "Checking", LatestState::Checking);
  ExpectLabel(check.productLatest(), "Checking", LatestState::Checking);
  EXPECT_EQ(check.results(), "Please wait...");
  EXPECT_STREQ(check.buttonText(), "Cancel");
  EXPECT_TRUE(check.timerActive());
  EXPECT_EQ(downloader.started, std::vector<std::string>{kTT + "/ttversion.txt"});
  EXPECT_EQ(changes, 1);

  // The labels that are checking blink with the timer.
  check.tick();
  EXPECT_FALSE(check.teraTermLatest().visible);
  EXPECT_FALSE(check.productLatest().visible);
  check.tick();
  EXPECT_TRUE(check.teraTermLatest().visible);
  downloader.finish("5.2-1");
  check.tick();
  EXPECT_TRUE(check.teraTermLatest().visible);  // shown now: no more blinking
  EXPECT_FALSE(check.productLatest().visible);
}

TEST_F(UpdateCheckTest, TheNextDownloadStartsFromATickNeverFromTheCompletion) {
  check.begin(kTeraTerm, kProduct);
  downloader.finish("5.2-1");
  EXPECT_EQ(downloader.started.size(), 1u);
  ExpectLabel(check.teraTermLatest(), "5.2", LatestState::Shown);
  check.tick();
  EXPECT_EQ(downloader.started.back(), kSK + "/skelderversion.txt");
  check.tick();  // nothing more to start while the download runs
  EXPECT_EQ(downloader.started.size(), 2u);
  downloader.finish("1.0-0");
  EXPECT_FALSE(check.done());  // the results come with the next tick
  EXPECT_EQ(check.results(), "Please wait...");
  check.tick();
  EXPECT_TRUE(check.done());
  EXPECT_EQ(check.results(), kUpToDate);
}

TEST_F(UpdateCheckTest, UpToDateWhenThePublishedVersionsEqualTheInstalledOnes) {
  files = {{kTT + "/ttversion.txt", "5.2-1"}, {kSK + "/skelderversion.txt", "1.0-0"}};
  EXPECT_EQ(Run(), (std::vector<std::string>{kTT + "/ttversion.txt", kSK + "/skelderversion.txt"}));
  ExpectLabel(check.teraTermLatest(), "5.2", LatestState::Shown);
  ExpectLabel(check.productLatest(), "1.0.0", LatestState::Shown);
  EXPECT_EQ(check.results(), kUpToDate);
  EXPECT_FALSE(check.failed());
  EXPECT_FALSE(check.teraTermLinkActive());
  EXPECT_FALSE(check.productLinkActive());
  EXPECT_EQ(check.teraTermInstallerUrl(), "");
  EXPECT_EQ(check.productInstallerUrl(), "");
  EXPECT_EQ(store.keys.size(), 0u);  // nothing found, nothing stored
}

TEST_F(UpdateCheckTest, ANewerTeraTermBecomesALinkWithItsReleaseNotes) {
  files = {{kTT + "/ttversion.txt", "5.3-0"},
           {kTT + "/ttversioninfo.txt", "5.3:\n- one\n- two\r\n"},
           {kSK + "/skelderversion.txt", "1.0-0"}};
  EXPECT_EQ(Run(), (std::vector<std::string>{kTT + "/ttversion.txt", kTT + "/ttversioninfo.txt",
                                             kSK + "/skelderversion.txt"}));
  ExpectLabel(check.teraTermLatest(), "5.3", LatestState::Link);
  ExpectLabel(check.productLatest(), "1.0.0", LatestState::Shown);
  EXPECT_EQ(check.results(),
            "TeraTerm version on this PC is out of date. \r\nUpgrade TeraTerm by clicking on the "
            "blue link and once it will be installed run Skelder and perform this check again. "
            "Then upgrade Skelder if necessary.\r\nClick on the blue link to start upgrade. \r\n"
            "The list of changes of the latest release is shown below.\r\n\r\n"
            "5.3:\r\n- one\r\n- two\r\n");
  EXPECT_TRUE(check.teraTermLinkActive());
  EXPECT_EQ(check.teraTermInstallerUrl(), kTT + "/teraterm_utf8_53.exe");
  EXPECT_EQ(Stored("TTLatestVersion"), "5.3-0");
  EXPECT_EQ(Stored("SkelderLatestVersion"), "");
}

TEST_F(UpdateCheckTest, ANewerProductBecomesALink) {
  files = {{kTT + "/ttversion.txt", "5.2-1"},
           {kSK + "/skelderversion.txt", "1.0-2"},
           {kSK + "/skelderversioninfo.txt", "1.0.2\n- fixes"}};
  EXPECT_EQ(Run().back(), kSK + "/skelderversioninfo.txt");
  ExpectLabel(check.teraTermLatest(), "5.2", LatestState::Shown);
  ExpectLabel(check.productLatest(), "1.0.2", LatestState::Link);
  EXPECT_EQ(
      check.results(),
      "Skelder version on this PC is out of date. Click on the blue link to start upgrade. "
      "\r\nThe list of changes of the latest release is shown below.\r\n\r\n1.0.2\r\n- fixes");
  EXPECT_FALSE(check.teraTermLinkActive());
  EXPECT_TRUE(check.productLinkActive());
  EXPECT_EQ(check.productInstallerUrl(), kSK + "/setup102.exe");
  EXPECT_EQ(Stored("TTLatestVersion"), "");
  EXPECT_EQ(Stored("SkelderLatestVersion"), "1.0-2");
}

TEST_F(UpdateCheckTest, BothNewerOnlyTeraTermsLinkReacts) {
  files = {{kTT + "/ttversion.txt", "6.0-0"},
           {kTT + "/ttversioninfo.txt", "tt notes"},
           {kSK + "/skelderversion.txt", "1.1-0"},
           {kSK + "/skelderversioninfo.txt", "product notes\n"}};
  EXPECT_EQ(Run().size(), 4u);
  ExpectLabel(check.teraTermLatest(), "6.0", LatestState::Link);
  ExpectLabel(check.productLatest(), "1.1.0", LatestState::Link);
  EXPECT_EQ(check.results(),
            "Both TeraTerm and Skelder versions on this PC are out of date. \r\nFirst upgrade "
            "TeraTerm by clicking on the left blue link and once it will be installed run Skelder "
            "and perform this check again. Then upgrade Skelder if necessary.\r\nThe list of "
            "changes of the latest releases is shown below.\r\n\r\ntt notes\r\n\r\nproduct "
            "notes\r\n");
  EXPECT_TRUE(check.teraTermLinkActive());
  EXPECT_FALSE(check.productLinkActive());
  EXPECT_EQ(check.teraTermInstallerUrl(), kTT + "/teraterm_utf8_60.exe");
  EXPECT_EQ(check.productInstallerUrl(), kSK + "/setup110.exe");
  EXPECT_EQ(Stored("TTLatestVersion"), "6.0-0");
  EXPECT_EQ(Stored("SkelderLatestVersion"), "1.1-0");
}

TEST_F(UpdateCheckTest, AnUnreadableVersionReadsQuestionMarksAndTheCheckGoesOn) {
  const struct {
    std::string teraTerm, product, results;
  } cases[] = {
      {"5.x-1", "1.0-0",
       "Failed to retrieve TeraTerm latest version number from the Internet.\r\n\r\n"
       "Skelder version on this PC is up to date.\r\n\r\n"},
      // Text that only looks like a version never reaches an installer address.
      {"5.2-1/../../x?", "1.0-0",
       "Failed to retrieve TeraTerm latest version number from the Internet.\r\n\r\n"
       "Skelder version on this PC is up to date.\r\n\r\n"},
      {"5.2-1", "2.0-1\r\n",
       "TeraTerm version on this PC is up to date.\r\n\r\n"
       "Failed to retrieve Skelder latest version number from the Internet.\r\n\r\n"},
      {"<html>", "1.0",
       "Failed to retrieve TeraTerm latest version number from the Internet.\r\n\r\n"
       "Failed to retrieve Skelder latest version number from the Internet.\r\n\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.teraTerm + " / " + c.product);
    downloader.started.clear();
    files = {{kTT + "/ttversion.txt", c.teraTerm}, {kSK + "/skelderversion.txt", c.product}};
    EXPECT_EQ(Run(),
              (std::vector<std::string>{kTT + "/ttversion.txt", kSK + "/skelderversion.txt"}));
    EXPECT_EQ(check.results(), c.results);
    EXPECT_FALSE(check.failed());
    EXPECT_EQ(check.teraTermInstallerUrl(), "");
    EXPECT_EQ(check.productInstallerUrl(), "");
    const bool teraTermBad = c.results.rfind("Failed to retrieve TeraTerm", 0) == 0;
    ExpectLabel(check.teraTermLatest(), teraTermBad ? "???" : "5.2",
                teraTermBad ? LatestState::Failed : LatestState::Shown);
  }
  EXPECT_EQ(store.keys.size(), 0u);
}

TEST_F(UpdateCheckTest, AFailedDownloadEndsTheCheckWithTheConnectionError) {
  const std::string error =
      "Error connecting Vantrell Solutions web site.\r\n\r\nCheck your Internet connection or "
      "try again later.";
  const std::map<std::string, std::string> stages[] = {
      {},
      {{kTT + "/ttversion.txt", "5.3-0"}},
      {{kTT + "/ttversion.txt", "5.2-1"}},
      {{kTT + "/ttversion.txt", "5.2-1"}, {kSK + "/skelderversion.txt", "1.0-1"}},
  };
  for (const auto& served : stages) {
    SCOPED_TRACE(served.size());
    files = served;
    const int aborts = downloader.aborts;
    Run();
    EXPECT_TRUE(check.failed());
    EXPECT_EQ(check.results(), error);
    ExpectLabel(check.teraTermLatest(), "???", LatestState::Failed);
    ExpectLabel(check.productLatest(), "???", LatestState::Failed);
    EXPECT_FALSE(check.teraTermLinkActive());
    EXPECT_FALSE(check.productLinkActive());
    EXPECT_EQ(check.teraTermInstallerUrl(), "");
    EXPECT_GT(downloader.aborts, aborts);
    // Nothing starts after the failure.
    const std::size_t started = downloader.started.size();
    check.tick();
    EXPECT_EQ(downloader.started.size(), started);
  }
}

TEST_F(UpdateCheckTest, CancelAbortsTheDownloadAndItsLateReportChangesNothing) {
  check.begin(kTeraTerm, kProduct);
  check.tick();
  check.close();
  EXPECT_EQ(downloader.aborts, 1);
  EXPECT_FALSE(downloader.running);
  EXPECT_FALSE(check.timerActive());
  EXPECT_FALSE(check.failed());
  EXPECT_EQ(check.results(), "Please wait...");
  // A downloader whose report arrives after the abort.
  downloader.finish("9.9-9");
  check.tick();
  EXPECT_EQ(check.teraTermLatest().text, "Checking");
  EXPECT_EQ(downloader.started.size(), 1u);
  EXPECT_EQ(store.keys.size(), 0u);

  // The next check starts afresh.
  files = {{kTT + "/ttversion.txt", "5.2-1"}, {kSK + "/skelderversion.txt", "1.0-0"}};
  downloader.started.clear();
  EXPECT_EQ(Run().size(), 2u);
  EXPECT_EQ(check.results(), kUpToDate);
}

TEST_F(UpdateCheckTest, LatestVersionsFoundStayForTheRestOfTheRun) {
  files = {{kTT + "/ttversion.txt", "5.3-0"},
           {kTT + "/ttversioninfo.txt", "first notes"},
           {kSK + "/skelderversion.txt", "1.0-0"}};
  Run();
  EXPECT_EQ(latest.teraTerm, "5.3-0");
  // Tera Term has been upgraded; a product release came out since.
  files = {{kTT + "/ttversion.txt", "5.3-0"},
           {kSK + "/skelderversion.txt", "1.0-1"},
           {kSK + "/skelderversioninfo.txt", "second notes"}};
  Run({5, 3, 0, 0});
  EXPECT_EQ(Stored("TTLatestVersion"), "5.3-0");
  EXPECT_EQ(Stored("SkelderLatestVersion"), "1.0-1");
  // The release notes start empty for every check.
  EXPECT_EQ(check.results().substr(check.results().find("below.")), "below.\r\n\r\nsecond notes");
}

TEST_F(UpdateCheckTest, ExecutablesWithoutVersionCountAsNewerThanAnything) {
  files = {{kTT + "/ttversion.txt", "99999.99999-0"}, {kSK + "/skelderversion.txt", "99999.0-7"}};
  Run(kUnknownFileVersion, kUnknownFileVersion);
  EXPECT_EQ(check.teraTermInstalled(), "99999.99999");
  EXPECT_EQ(check.productInstalled(), "99999.99999 (Beta)");
  EXPECT_EQ(check.results(), kUpToDate);
}

TEST(UpdateResultsText, DependsOnTheLabelsStatesAndQuestionMarks) {
  const LatestLabel link = Label("5.3", LatestState::Link);
  const LatestLabel shown = Label("5.2", LatestState::Shown);
  const LatestLabel failed = Label("???", LatestState::Failed);
  // Only Tera Term a link, whatever the product's label shows.
  EXPECT_EQ(UpdateResultsText(link, failed, "n"), UpdateResultsText(link, shown, "n"));
  EXPECT_EQ(UpdateResultsText(shown, link, "").substr(0, 43),
            "Skelder version on this PC is out of date. ");
  EXPECT_EQ(UpdateResultsText(failed, failed, "ignored"),
            "Failed to retrieve TeraTerm latest version number from the Internet.\r\n\r\n"
            "Failed to retrieve Skelder latest version number from the Internet.\r\n\r\n");
}

}  // namespace skelder::testing
