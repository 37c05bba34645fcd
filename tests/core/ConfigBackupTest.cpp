#include <gtest/gtest.h>

#include <filesystem>

#include "core/base/ProgramFolder.h"
#include "core/integration/ConfigBackup.h"
#include "core/text/IniFile.h"
#include "core/tree/NodeTextEncoding.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace {

const std::string kTeraTermIni = SKELDER_TESTDATA "/teraterm/TERATERM.INI";

class ConfigBackupTest : public ::testing::Test {
 protected:
  ConfigBackupTest()
      : clock(LocalTime{2026, 12, 8, 21, 5, 9, 0, 2}),
        services{store, dialogs, clock, EnglishNames(), folder.path() + "/"} {}

  std::string path(const std::string& name) { return folder.file(name); }

  TempFolder folder;
  MemorySettingsStore store;
  ScriptedDialogs dialogs;
  FixedClock clock;
  BackupServices services;
};

}  // namespace

TEST(IniBackupText, KeepsTheSettingsUnderASectionOnly) {
  EXPECT_EQ(IniBackupText("early=1\r\n[Tera Term]\r\n; note=x\r\n  VTColor = 1,2 \r\n\r\n"
                          "no equals\r\n[BG]\nBGEnable=off\n",
                          "Tuesday, 08-Dec-2026 21:05:09"),
            "Tuesday, 08-Dec-2026 21:05:09\r\n[Tera Term]VTColor = 1,2\r\n[BG]BGEnable=off\r\n");
}

TEST_F(ConfigBackupTest, ABackupOfTeraTermsOwnFileRestoresIt) {
  std::filesystem::copy_file(kTeraTermIni, path("TERATERM.INI"));
  WriteFileBytes(path("cygterm.cfg"), "TERM = vt100\nSHELL = bash\n");
  ASSERT_TRUE(BackupTeraTermConfig(services));
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{
                InformationBox("TeraTerm configuration was backed up successfully.\nBackup time - "
                               "Tuesday, 08-Dec-2026 21:05:09")});
  EXPECT_TRUE(LoadConfigBackup(store));
  std::string cyg;
  std::vector<std::string> lines;
  LoadConfigBackup(store, &lines, &cyg);
  EXPECT_EQ(cyg, "TERM = vt100\r\nSHELL = bash\r\n");
  EXPECT_EQ(lines.front(), "Tuesday, 08-Dec-2026 21:05:09");

  // Later changes: one setting changed, one added; the restore brings the first back.
  IniFile changed;
  changed.load(path("TERATERM.INI"));
  const std::string vtColor = changed.readString("Tera Term", "VTColor", "");
  changed.writeString("Tera Term", "VTColor", "9,9,9,9,9,9");
  changed.writeString("Tera Term", "AddedLater", "kept");
  ASSERT_TRUE(changed.save(path("TERATERM.INI")));
  WriteFileBytes(path("cygterm.cfg"), "changed\n");

  clock.set(LocalTime{2026, 12, 9, 7, 8, 9, 0, 3});
  dialogs.clear();
  dialogs.answer("Yes");
  ASSERT_TRUE(RestoreTeraTermConfig(services));
  // The copy is named after the settings file as the program finds it (Windows finds
  // "teraterm.ini" itself, Linux the file's own spelling).
  const std::string ini = FindProgramFile(folder.path() + "/", "teraterm.ini");
  const std::string copy = ini.substr(0, ini.size() - 4) + "_09Dec2026_070809.ini";
  EXPECT_EQ(dialogs.boxes().back(),
            InformationBox("Current TeraTerm.ini file was copied into file " + copy +
                           "\rTeraTerm configuration from Tuesday, 08-Dec-2026 21:05:09 has been "
                           "restored."));
  IniFile restored;
  restored.load(path("TERATERM.INI"));
  EXPECT_EQ(restored.readString("Tera Term", "VTColor", ""), vtColor);
  EXPECT_EQ(restored.readString("Tera Term", "AddedLater", ""), "kept");
  EXPECT_NE(ReadFileBytes(copy).find("VTColor=9,9,9,9,9,9"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(path("cygterm.cfg")), "TERM = vt100\r\nSHELL = bash\r\n");
  EXPECT_EQ(ReadFileBytes(path("cygterm_09Dec2026_070809.cfg")), "changed\n");
}

TEST_F(ConfigBackupTest, AValueWithAnEqualsSignComesBackWhole) {
  WriteFileBytes(path("teraterm.ini"), "[Tera Term]\r\nTitle=a=b\r\n");
  ASSERT_TRUE(BackupTeraTermConfig(services));
  WriteFileBytes(path("teraterm.ini"), "[Tera Term]\r\n; comment\r\nTitle=x\r\n");
  dialogs.answer("Yes");
  ASSERT_TRUE(RestoreTeraTermConfig(services));
  EXPECT_EQ(ReadFileBytes(path("teraterm.ini")), "[Tera Term]\r\n; comment\r\nTitle=a=b\r\n");
  EXPECT_EQ(ReadFileBytes(path("cygterm.cfg")), "");  // no CygTerm text was backed up
}

TEST_F(ConfigBackupTest, FailuresSayWhatWentWrong) {
  dialogs.answer("OK");
  EXPECT_FALSE(RestoreTeraTermConfig(services));
  EXPECT_EQ(dialogs.boxes().back(),
            ErrorBox("Failed to restore TeraTerm configuration.\rError reading registry."));

  WriteFileBytes(path("teraterm.ini"), "[A]\r\nk=v\r\n");
  store.failWrites = true;
  EXPECT_FALSE(BackupTeraTermConfig(services));
  EXPECT_EQ(dialogs.boxes().back(),
            ErrorBox("Failed to back up TeraTerm configuration.\rError writing registry."));
  EXPECT_FALSE(LoadConfigBackup(store));

  // No answer at the question: nothing changes.
  store.failWrites = false;
  ASSERT_TRUE(BackupTeraTermConfig(services));
  dialogs.answer("No");
  EXPECT_FALSE(RestoreTeraTermConfig(services));
  EXPECT_EQ(dialogs.boxes().back().text,
            "Do you want to restore TeraTerm configuration backed up on Tuesday, 08-Dec-2026 "
            "21:05:09 ?\rCopy of current configuration file TeraTerm.ini will be created prior "
            "applying changes to it.");
}

}  // namespace skelder::testing
