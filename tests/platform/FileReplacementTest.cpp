#include "platform/FileReplacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

namespace fs = std::filesystem;

unsigned long OwnId() {
#ifdef _WIN32
  return static_cast<unsigned long>(_getpid());
#else
  return static_cast<unsigned long>(getpid());
#endif
}

// A process id no process has: above every id the system hands out.
const std::string kGone = "2147483646";

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(FileReplacement, TemporaryNamesAreRecognisedByTargetAndProcess) {
  const struct {
    const char* name;
    bool temporary;
    unsigned long process;
  } cases[] = {
      {"Table.skd.~123.tmp", true, 123},
      {"Table.skd.~123-4.tmp", true, 123},
      {"Table.skd.~0.tmp", true, 0},
      {"Table.skd.~.tmp", false, 0},
      {"Table.skd.~12a.tmp", false, 0},
      {"Table.skd.~12-.tmp", false, 0},
      {"Table.skd.~12-3-4.tmp", false, 0},
      {"Table.skd.~99999999999.tmp", false, 0},  // more digits than an id has
      {"Table.skd.~1234abcd5678", false, 0},     // the names of earlier versions
      {"Other.skd.~123.tmp", false, 0},
      {"Table.skd", false, 0},
      {"Table.skd.~123.tmp.bak", false, 0},
  };
  for (const auto& c : cases) {
    unsigned long process = 0;
    EXPECT_EQ(IsReplacementTemporary(c.name, "Table.skd", process), c.temporary) << c.name;
    if (c.temporary) EXPECT_EQ(process, c.process) << c.name;
  }
}

TEST(FileReplacement, ReplacesTheContentAndRemovesWhatKilledWritersLeft) {
  TempFolder folder;
  const std::string target = folder.file("Table.skd");
  ASSERT_FALSE(ReplaceFileContents(target, "old"));
  const std::string own = std::to_string(OwnId());
  // Left by processes that no longer run, and by an earlier process with this one's id.
  for (const std::string& stale : {"Table.skd.~" + kGone + ".tmp", "Table.skd.~" + kGone + "-2.tmp",
                                   "Table.skd.~" + own + ".tmp", "Table.skd.~" + own + "-1.tmp"})
    WriteFileBytes(folder.file(stale), "partial");
  // Not the writer's: other names, another target's temporaries, a folder.
  const std::vector<std::string> others = {"Other.skd.~" + kGone + ".tmp", "Table.skd.~1a.tmp",
                                           "Table.skd.~1234abcd5678", "Table.skd.bak"};
  for (const std::string& other : others) WriteFileBytes(folder.file(other), "kept");
  fs::create_directory(folder.file("Table.skd.~" + kGone + "-3.tmp"));

  ASSERT_FALSE(ReplaceFileContents(target, "new"));
  EXPECT_EQ(ReadFileBytes(target), "new");
  std::vector<std::string> expected = others;
  expected.push_back("Table.skd");
  expected.push_back("Table.skd.~" + kGone + "-3.tmp");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(folder.path()), expected);
}

TEST(FileReplacement, AFailedReplacementLeavesTheOldFileAndNoTemporary) {
  TempFolder folder;
  const std::string target = folder.file("Table.skd");
  ASSERT_FALSE(ReplaceFileContents(target, "old"));
  // The temporary file cannot be made: a folder stands at its name.
  const std::string blocked = target + ".~" + std::to_string(OwnId()) + ".tmp";
  fs::create_directory(blocked);
  WriteFileBytes(blocked + "/inside", "x");
  EXPECT_TRUE(ReplaceFileContents(target, "new"));
  EXPECT_EQ(ReadFileBytes(target), "old");
  fs::remove_all(blocked);
  // A folder where the file must go: the rename fails and the temporary goes.
  fs::create_directory(folder.file("Folder.skd"));
  EXPECT_TRUE(ReplaceFileContents(folder.file("Folder.skd"), "new"));
  EXPECT_EQ(Names(folder.path()), (std::vector<std::string>{"Folder.skd", "Table.skd"}));
}

#ifndef _WIN32
TEST(FileReplacement, KeepsLinksAndPermissionsAndTheTemporariesOfRunningWriters) {
  TempFolder folder;
  fs::create_directory(folder.file("real"));
  const std::string real = folder.file("real/Table.skd");
  const std::string link = folder.file("Table.skd");
  ASSERT_FALSE(ReplaceFileContents(real, "old", 0600));
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(real, fs::perms::owner_all | fs::perms::group_read);
  fs::create_symlink("real/Table.skd", link);
  // A writer that still runs: this process's parent.
  const std::string running = "Table.skd.~" + std::to_string(getppid()) + ".tmp";
  WriteFileBytes(folder.file("real/" + running), "being written");

  ASSERT_FALSE(ReplaceFileContents(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(real), "new");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_all | fs::perms::group_read);
  EXPECT_EQ(Names(folder.file("real")), (std::vector<std::string>{"Table.skd", running}));
  EXPECT_EQ(LinkedFile(link), real);
  // A dangling link is written through: the file it names is made.
  fs::create_symlink("real/New.skd", folder.file("New.skd"));
  ASSERT_FALSE(ReplaceFileContents(folder.file("New.skd"), "made"));
  EXPECT_TRUE(fs::is_symlink(folder.file("New.skd")));
  EXPECT_EQ(ReadFileBytes(folder.file("real/New.skd")), "made");
}
#endif

}  // namespace skelder::testing
