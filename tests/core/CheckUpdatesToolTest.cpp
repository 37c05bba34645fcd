// skeldertool check-updates as a process, against a web server on 127.0.0.1.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "core/integration/VersionLines.h"
#include "support/PeVersionFile.h"
#include "support/TempFolder.h"
#include "support/TestHttpServer.h"

namespace skelder::testing {

namespace {

namespace fs = std::filesystem;

const std::string kTool = SKELDER_DEMO_DIR "/skeldertool";

struct ToolRun {
  int status = -1;
  std::string out, err;
};

class CheckUpdatesToolTest : public ::testing::Test {
 protected:
  CheckUpdatesToolTest() {
    fs::create_directories(web.file("freeware/TeraTerm"));
    fs::create_directories(web.file("freeware/Skelder"));
    fs::create_directory(terminal.file("tt"));
    WriteFileBytes(terminal.file("tt/ttermpro.exe"), PeFileWithVersion(5, 2, 1, 0));
  }

  void SetUp() override { ASSERT_TRUE(fs::exists(kTool)) << kTool; }

  void Publish(const std::string& path, const std::string& text) {
    WriteFileBytes(web.file("freeware/" + path), text);
  }

  ToolRun Run(const std::string& terminalBase, const std::string& productBase) {
    const std::string out = terminal.file("stdout"), err = terminal.file("stderr");
    const std::string command =
        "SKELDER_TERMINAL_UPDATE_BASE='" + terminalBase + "' SKELDER_PRODUCT_UPDATE_BASE='" +
        productBase + "' XDG_CONFIG_HOME='" + terminal.file("config") + "' " + kTool +
        " check-updates --folder '" + terminal.file("tt") + "' >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    ToolRun result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFileBytes(out);
    result.err = ReadFileBytes(err);
    return result;
  }
  ToolRun Run(const TestHttpServer& server) {
    return Run(server.url("/freeware/TeraTerm"), server.url("/freeware/Skelder"));
  }

  std::string StoredSettings() {
    return ReadFileBytes(terminal.file("config/Vantrell Solutions/Skelder.reg"));
  }

  TempFolder web;
  TempFolder terminal;
};

// The product's published version texts relative to the version this build carries.
std::string Product(int releaseAhead) {
  const FileVersion own = ProgramVersion();
  return std::to_string(own.major) + "." + std::to_string(own.minor) + "-" +
         std::to_string(own.release + releaseAhead);
}

std::string ProductLabel(int releaseAhead) {
  const FileVersion own = ProgramVersion();
  return std::to_string(own.major) + "." + std::to_string(own.minor) + "." +
         std::to_string(own.release + releaseAhead);
}

std::string Installed() {
  const FileVersion own = ProgramVersion();
  return std::to_string(own.major) + "." + std::to_string(own.minor) +
         (own.release ? "." + std::to_string(own.release) : " (Beta)");
}

}  // namespace

TEST_F(CheckUpdatesToolTest, PrintsTheVersionsAndTheResultsWithTheExitStatusOfTheCheck) {
  const std::string head = "TeraTerm installed: 5.2\nTeraTerm latest: ";
  const struct {
    std::string teraTerm, product, out;
    int status;
  } cases[] = {
      {"5.2-1", Product(0),
       head + "5.2\nSkelder installed: " + Installed() + "\nSkelder latest: " + ProductLabel(0) +
           "\nBoth TeraTerm and Skelder versions on this PC are up to date.\n\nNo upgrade is "
           "necessary.\n",
       0},
      {"5.3-0", Product(0),
       head + "5.3\nSkelder installed: " + Installed() + "\nSkelder latest: " + ProductLabel(0) +
           "\nTeraTerm version on this PC is out of date. \nUpgrade TeraTerm by clicking on the "
           "blue link and once it will be installed run Skelder and perform this check again. "
           "Then upgrade Skelder if necessary.\nClick on the blue link to start upgrade. \nThe "
           "list of changes of the latest release is shown below.\n\n5.3\n- tt change\n\n",
       1},
      {"5.2-1", Product(1),
       head + "5.2\nSkelder installed: " + Installed() + "\nSkelder latest: " + ProductLabel(1) +
           "\nSkelder version on this PC is out of date. Click on the blue link to start upgrade. "
           "\nThe list of changes of the latest release is shown below.\n\nproduct change\n",
       1},
      {"6.0-0", Product(2),
       head + "6.0\nSkelder installed: " + Installed() + "\nSkelder latest: " + ProductLabel(2) +
           "\nBoth TeraTerm and Skelder versions on this PC are out of date. \nFirst upgrade "
           "TeraTerm by clicking on the left blue link and once it will be installed run Skelder "
           "and perform this check again. Then upgrade Skelder if necessary.\nThe list of changes "
           "of the latest releases is shown below.\n\n5.3\n- tt change\n\n\nproduct change\n",
       1},
      {"5.x-1", Product(0),
       head + "???\nSkelder installed: " + Installed() + "\nSkelder latest: " + ProductLabel(0) +
           "\nFailed to retrieve TeraTerm latest version number from the Internet.\n\nSkelder "
           "version on this PC is up to date.\n\n\n",
       2},
  };
  Publish("TeraTerm/ttversioninfo.txt", "5.3\n- tt change\n");
  Publish("Skelder/skelderversioninfo.txt", "product change");
  TestHttpServer server({"files", web.path()});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.teraTerm + " / " + c.product);
    Publish("TeraTerm/ttversion.txt", c.teraTerm);
    Publish("Skelder/skelderversion.txt", c.product);
    const ToolRun run = Run(server);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
  }
  // What the last run with newer versions found stays in the settings.
  const std::string settings = StoredSettings();
  EXPECT_NE(settings.find("\"TTLatestVersion\"=\"6.0-0\""), std::string::npos) << settings;
  EXPECT_NE(settings.find("\"SkelderLatestVersion\"=\"" + Product(2) + "\""), std::string::npos)
      << settings;
}

TEST_F(CheckUpdatesToolTest, ARefusedConnectionFailsTheCheck) {
  const std::string closed = "http://127.0.0.1:" + std::to_string(ClosedPort());
  const ToolRun run = Run(closed + "/freeware/TeraTerm", closed + "/freeware/Skelder");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out,
            "TeraTerm installed: 5.2\nTeraTerm latest: ???\nSkelder installed: " + Installed() +
                "\nSkelder latest: ???\nError connecting Vantrell Solutions web "
                "site.\n\nCheck your Internet connection or try again later.\n");
  EXPECT_EQ(run.err, "download failed: Couldn't connect to server\n");
  EXPECT_FALSE(fs::exists(terminal.file("config")));  // nothing found, nothing stored
}

TEST_F(CheckUpdatesToolTest, WithoutTeraTermNothingOfItIsNewer) {
  fs::remove(terminal.file("tt/ttermpro.exe"));
  Publish("TeraTerm/ttversion.txt", "9.9-9");
  Publish("Skelder/skelderversion.txt", Product(0));
  TestHttpServer server({"files", web.path()});
  const ToolRun run = Run(server);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, 48), "TeraTerm installed: 99999.99999\nTeraTerm latest:");
}

TEST_F(CheckUpdatesToolTest, VersionAndWrongArguments) {
  const std::string out = terminal.file("out");
  ASSERT_EQ(std::system((kTool + " --version >'" + out + "'").c_str()), 0);
  // One version, major.minor.release, compiled in and printed.
  EXPECT_EQ(VersionText(ProgramVersion()), SKELDER_VERSION);
  EXPECT_EQ(ReadFileBytes(out), std::string("skeldertool ") + SKELDER_VERSION + "\n");
  EXPECT_EQ(WEXITSTATUS(std::system((kTool + " check-updates --table x 2>/dev/null").c_str())), 2);
}

}  // namespace skelder::testing

#endif
