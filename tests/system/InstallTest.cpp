// The install into a Tera Term folder: scripts/install.sh over `cmake --install` from the
// built tree, into a stand-in folder made from the demo's, with a data folder of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>

#include "support/TempFolder.h"

namespace skelder::testing {

namespace fs = std::filesystem;

namespace {

const fs::path kDemo = SKELDER_DEMO_DIR;
const fs::path kBuild = kDemo.parent_path();
const fs::path kSource = SKELDER_SOURCE_DIR;
const std::string kUserIni = "[Tera Term]\r\n; the user's own settings\r\nVTColor=1,2,3,4,5,6\r\n";

struct Outcome {
  int status = -1;
  std::string out, err;
};

// Runs a shell command line with its output kept.
Outcome Shell(const TempFolder& scratch, const std::string& command) {
  const std::string out = scratch.file("stdout"), err = scratch.file("stderr");
  const int raw = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
  Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileBytes(out), ReadFileBytes(err)};
  fs::remove(out);
  fs::remove(err);
  return outcome;
}

// Every file below the folder with its bytes, and every folder.
std::map<std::string, std::string> Contents(const fs::path& folder) {
  std::map<std::string, std::string> contents;
  std::error_code ec;
  if (!fs::exists(folder, ec)) return contents;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = fs::relative(entry.path(), folder).string();
    contents[name] = entry.is_directory() ? "(folder)" : ReadFileBytes(entry.path().string());
  }
  return contents;
}

// Width and height of a PNG, from its header.
std::pair<unsigned, unsigned> PngSize(const std::string& png) {
  auto number = [&](size_t at) {
    unsigned value = 0;
    for (size_t i = at; i < at + 4 && i < png.size(); ++i)
      value = (value << 8) | static_cast<unsigned char>(png[i]);
    return value;
  };
  return {number(16), number(20)};
}

// CMake wraps its messages; the words are what counts.
std::string Words(const std::string& text) {
  return std::regex_replace(text, std::regex("\\s+"), " ");
}

class Install : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(teraTerm);
    for (const char* file : {"ttermpro.exe", "Skelder.exe", "Demo.SKD"})
      fs::copy_file(kDemo / file, teraTerm / file);
    WriteFileBytes((teraTerm / "teraterm.ini").string(), kUserIni);
  }

  std::string environment() const {
    return "env HOME='" + root.file("home") + "' XDG_DATA_HOME='" + dataHome.string() + "' ";
  }
  Outcome installScript(const fs::path& folder) {
    return Shell(root, environment() + "'" + (kSource / "scripts/install.sh").string() +
                           "' --build-dir '" + kBuild.string() + "' '" + folder.string() + "'");
  }
  Outcome cmakeInstall(const fs::path& folder) {
    return Shell(root, environment() + "cmake --install '" + kBuild.string() + "' --prefix '" +
                           folder.string() + "'");
  }

  TempFolder root;
  // A blank in the name, as in "Program Files".
  const fs::path teraTerm = fs::path(root.path()) / "Tera Term 5";
  const fs::path dataHome = fs::path(root.path()) / "data";
};

}  // namespace

TEST_F(Install, PutsTheProgramAndItsFilesIntoTheTeraTermFolderAndLeavesTeratermIni) {
  const Outcome install = installScript(teraTerm);
  ASSERT_EQ(install.status, 0) << install.out << install.err;

  for (const char* data : {"KeyFile.ini", "SynComp.pro", "ttmacro.tpl"})
    EXPECT_EQ(ReadFileBytes((teraTerm / data).string()),
              ReadFileBytes((kSource / "data" / data).string()))
        << data;
  EXPECT_EQ(ReadFileBytes((teraTerm / "share/man/man1/skeldertool.1").string()),
            ReadFileBytes((kSource / "docs/skeldertool.1").string()));
  EXPECT_EQ(ReadFileBytes((teraTerm / "teraterm.ini").string()), kUserIni);
  const Outcome version = Shell(root, "'" + (teraTerm / "skeldertool").string() + "' --version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "skeldertool " SKELDER_VERSION "\n");

  // A second install over the first replaces the program's files and keeps the user's.
  WriteFileBytes((teraTerm / "KeyFile.ini").string(), "stale");
  ASSERT_EQ(installScript(teraTerm).status, 0);
  EXPECT_EQ(ReadFileBytes((teraTerm / "KeyFile.ini").string()),
            ReadFileBytes((kSource / "data/KeyFile.ini").string()));
  EXPECT_EQ(ReadFileBytes((teraTerm / "teraterm.ini").string()), kUserIni);
}

TEST_F(Install, TheManualPageIsFoundOnceTheFolderIsOnThePath) {
  ASSERT_EQ(installScript(teraTerm).status, 0);
  const Outcome where = Shell(root, "env -u MANPATH PATH='" + teraTerm.string() +
                                        ":/usr/bin:/bin' " + "man -w skeldertool");
  EXPECT_EQ(where.status, 0) << where.err;
  EXPECT_EQ(where.out, (teraTerm / "share/man/man1/skeldertool.1").string() + "\n");
}

TEST_F(Install, TheIconAndADesktopEntryForTheInstalledProgramGoIntoTheDataFolder) {
  ASSERT_EQ(installScript(teraTerm).status, 0);
  const fs::path icons = dataHome / "icons/hicolor";
  EXPECT_EQ(ReadFileBytes((icons / "scalable/apps/skelder.svg").string()),
            ReadFileBytes((kSource / "data/icons/skelder.svg").string()));
  for (unsigned size : {16u, 24u, 32u, 48u, 64u, 128u, 256u}) {
    const std::string dimension = std::to_string(size) + "x" + std::to_string(size);
    const std::string png = ReadFileBytes((icons / dimension / "apps/skelder.png").string());
    ASSERT_GT(png.size(), 24u) << dimension;
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n") << dimension;
    EXPECT_EQ(PngSize(png), std::make_pair(size, size)) << dimension;
  }
}

// The Exec line names the installed program whatever its folder is called; inside a Wine
// prefix it names the prefix too.
TEST_F(Install, TheDesktopEntryStartsTheInstalledCopy) {
  const std::string top = root.path();
  struct Case {
    std::string folder;  // below the temporary folder
    std::string exec;    // the Exec value, "@" standing for the temporary folder
  };
  const Case cases[] = {
      {"Tera Term 5", "\"@/Tera Term 5/Skelderc\" %f"},
      {"Tera \"100%\" $x", "\"@/Tera \\\\\"100%%\\\\\" \\\\$x/Skelderc\" %f"},
      {"prefix/drive_c/Program Files/teraterm",
       "env \"WINEPREFIX=@/prefix\" \"@/prefix/drive_c/Program Files/teraterm/Skelderc\" %f"},
  };
  fs::create_directories(root.file("prefix"));
  WriteFileBytes(root.file("prefix/system.reg"), "WINE REGISTRY Version 2\n");
  for (const Case& c : cases) {
    const fs::path folder = fs::path(top) / c.folder;
    fs::create_directories(folder);
    fs::copy_file(kDemo / "ttermpro.exe", folder / "ttermpro.exe",
                  fs::copy_options::overwrite_existing);
    const Outcome install = installScript(folder);
    ASSERT_EQ(install.status, 0) << install.err;
    const fs::path entry = dataHome / "applications/skelder.desktop";
    EXPECT_EQ(ReadFileBytes(entry.string()),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Skelder Configuration\n"
              "GenericName=Tera Term connection organiser\n"
              "Comment=Keep Tera Term connections in a tree and run their macros\n"
              "Exec=" +
                  std::regex_replace(c.exec, std::regex("@"), top) +
                  "\n"
                  "Icon=skelder\n"
                  "Terminal=false\n"
                  "Categories=Network;RemoteAccess;\n")
        << c.folder;
    const Outcome validate = Shell(root, "desktop-file-validate '" + entry.string() + "'");
    EXPECT_EQ(validate.status, 0) << c.folder;
    EXPECT_EQ(validate.out + validate.err, "") << c.folder;
  }
}

TEST_F(Install, TheInstalledProgramStartsWithEveryDataFileInPlace) {
  ASSERT_EQ(installScript(teraTerm).status, 0);
  fs::create_directory(root.file("rt"));
  fs::permissions(root.file("rt"), fs::perms::owner_all);
  const std::string picture = root.file("main-window.png");
  // A missing keyword file or completion list would show its box; none may appear.
  const Outcome start = Shell(
      root, "env XDG_CONFIG_HOME='" + root.file("cfg") + "' XDG_DATA_HOME='" + dataHome.string() +
                "' XDG_RUNTIME_DIR='" + root.file("rt") + "' SKELDER_DIALOG_LOG='" +
                root.file("dialogs.log") + "' SKELDER_STANDIN_LOG='" + root.path() +
                "' SKELDER_SCREENSHOT='" + picture + "' QT_QPA_PLATFORM=offscreen timeout 60 '" +
                (teraTerm / "Skelderc").string() + "' '" + (teraTerm / "Demo.SKD").string() + "'");
  EXPECT_EQ(start.status, 0) << start.err;
  const std::string png = ReadFileBytes(picture);
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(ReadFileBytes(root.file("dialogs.log")), "");
}

// A folder without Tera Term: a plain folder, one where ttermpro.exe is a folder, and a
// folder that does not exist. Both ways refuse, and nothing is written anywhere.
TEST_F(Install, AFolderWithoutTtermproIsRefusedAndNothingIsWritten) {
  const fs::path plain = fs::path(root.path()) / "plain";
  fs::create_directories(plain);
  WriteFileBytes((plain / "teraterm.ini").string(), kUserIni);
  const fs::path folderNamedLikeIt = fs::path(root.path()) / "odd";
  fs::create_directories(folderNamedLikeIt / "ttermpro.exe");
  const fs::path missing = fs::path(root.path()) / "missing";

  for (const fs::path& folder : {plain, folderNamedLikeIt, missing}) {
    const auto before = Contents(folder);
    const Outcome script = installScript(folder);
    EXPECT_EQ(script.status, 1) << folder;
    EXPECT_EQ(script.err, folder.string() +
                              " holds no ttermpro.exe: Skelder installs into Tera Term's folder. "
                              "Nothing was installed.\n");
    const Outcome cmake = cmakeInstall(folder);
    EXPECT_NE(cmake.status, 0) << folder;
    EXPECT_NE(Words(cmake.err).find("No ttermpro.exe in " + folder.string() +
                                    ": Skelder installs into Tera Term's folder."),
              std::string::npos)
        << cmake.err;
    EXPECT_NE(Words(cmake.err).find("Nothing was installed."), std::string::npos);
    EXPECT_EQ(Contents(folder), before) << folder;
    EXPECT_FALSE(fs::exists(dataHome)) << folder;
  }
}

}  // namespace skelder::testing
