#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "ProgramProcess.h"

namespace skelder::testing {

namespace fs = std::filesystem;

// Starts the program on the demo folder with its sample table under Xvfb and keeps a
// picture of the main window in the build folder (test-artefacts/main-window.png).
TEST(Screenshot, TheMainWindowOnTheDemoFolderUnderXvfb) {
  if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0) GTEST_SKIP() << "no xvfb-run";
  TempFolder home;
  const fs::path demo = SKELDER_DEMO_DIR;
  const fs::path artefacts = demo.parent_path() / "test-artefacts";
  fs::create_directories(artefacts);
  const fs::path picture = artefacts / "main-window.png";
  fs::remove(picture);
  fs::create_directory(home.file("rt"));
  fs::permissions(home.file("rt"), fs::perms::owner_all);

  const std::string command =
      "cd '" + demo.string() + "' && env XDG_CONFIG_HOME='" + home.file("cfg") +
      "' XDG_DATA_HOME='" + home.file("data") + "' XDG_RUNTIME_DIR='" + home.file("rt") +
      "' SKELDER_DIALOG_LOG='" + home.file("dialogs.log") + "' SKELDER_STANDIN_LOG='" +
      home.path() + "' SKELDER_SCREENSHOT='" + picture.string() +
      "' QT_QPA_PLATFORM=xcb timeout 60 xvfb-run -a -s '-screen 0 1280x1024x24' ./Skelderc "
      "Demo.SKD";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
  ASSERT_TRUE(fs::exists(picture));
  const std::string png = ReadFileBytes(picture.string());
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  // Width and height stand big-endian at bytes 16 and 20; at least the minimum size.
  auto number = [&](size_t at) {
    return (static_cast<unsigned char>(png[at]) << 24) |
           (static_cast<unsigned char>(png[at + 1]) << 16) |
           (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
  };
  EXPECT_GE(number(16), 654u);
  EXPECT_GE(number(20), 400u);
  EXPECT_EQ(ReadFileBytes(home.file("dialogs.log")), "");
}

}  // namespace skelder::testing
