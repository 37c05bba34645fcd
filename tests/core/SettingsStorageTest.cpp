#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/SettingsStorage.h"
#include "support/FakePlatform.h"
#include "support/MemorySettingsStore.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace {

const std::string kKey = "Software\\Vantrell Solutions\\Skelder";

class SettingsStorageTest : public ::testing::Test {
 protected:
  SettingsStorageTest() {
    env.programFolder = "/opt/teraterm/";
    env.screenWidth = 1280;
    env.screenHeight = 1024;
    env.workLeft = 0;
    env.workTop = 0;
    env.workRight = 1280;
    env.workBottom = 984;  // a task bar of 40 below
    env.minWidth = 654;
    env.minHeight = 480;
    env.fileExists = [](const std::string& path) { return std::filesystem::exists(path); };
  }
  std::unique_ptr<RegistryKey> key() { return store.openKey(kKey, true); }
  Settings load() { return LoadSettings(store, env); }

  TempFolder folder;
  MemorySettingsStore store;
  SettingsEnvironment env;
};

}  // namespace

TEST_F(SettingsStorageTest, FirstRunGivesTheFirstRunDefaultsAndCreatesNothing) {
  const Settings s = load();
  EXPECT_EQ(s.window.width, 654);
  EXPECT_EQ(s.window.height, 480);
  EXPECT_EQ(s.window.left, (1280 - 654) / 2);
  EXPECT_EQ(s.window.top, (1024 - 480) / 2);
  EXPECT_EQ(s.checkUpdateInterval, 5);  // "never"
  EXPECT_EQ(s.defaultColors, 7);        // "from TeraTerm.ini file"
  EXPECT_EQ(s.logging, std::nullopt);   // neither radio button
  EXPECT_FALSE(s.autoSave);
  EXPECT_EQ(s.spacePerTAB, 4);
  EXPECT_EQ(s.delayIndex, 3);
  EXPECT_TRUE(s.selectLast);
  EXPECT_TRUE(s.useSameBackground);
  EXPECT_EQ(s.templateFile, "/opt/teraterm/ttmacro.tpl");
  EXPECT_EQ(s.editorFont, env.designEditorFont);
  EXPECT_EQ(s.editorBgColor, 0xFF000005u);
  EXPECT_EQ(s.editorActLineColor, 0x0000FFFFu);
  EXPECT_FALSE(store.openKey(kKey, false));
}

TEST_F(SettingsStorageTest, AnEmptyKeyGivesTheMissingDefaults) {
  key();
  const Settings s = load();
  EXPECT_TRUE(s.autoSave);
  EXPECT_EQ(s.logging, false);  // "Do not log"
  EXPECT_EQ(s.spacePerTAB, 2);  // tab width 4
  EXPECT_EQ(s.checkUpdateInterval, 5);
  EXPECT_EQ(s.defaultColors, 7);
  EXPECT_EQ(s.treeWidth, 30);
  EXPECT_EQ(s.scpWidth, 600);
  EXPECT_EQ(s.printPreviewScale, 4);
}

TEST_F(SettingsStorageTest, MultiStartIntervalPicksTheDelayEntry) {
  struct Case {
    std::optional<std::string> stored;
    int index;
  } cases[] = {{"1", 3},   {"abc", 3}, {"45", 28}, {"7", 5},         {"2", 0},
               {"30", 28}, {"", 3},    {"-4", 3},  {std::nullopt, 3}};
  for (const auto& c : cases) {
    auto k = key();
    if (c.stored)
      k->writeString("MultiStartInterval", *c.stored);
    else
      k->writeInteger("MultiStartInterval", 7);  // the wrong type reads as missing
    const Settings s = load();
    EXPECT_EQ(s.delayIndex, c.index) << c.stored.value_or("(integer)");
  }
}

TEST_F(SettingsStorageTest, UpdateIntervalFallsBackOnTheOlderFlag) {
  struct Case {
    std::optional<int> interval, dontCheck;
    int expected;
  } cases[] = {{2, 1, 2},
               {std::nullopt, 0, 0},
               {std::nullopt, 1, 5},
               {std::nullopt, std::nullopt, 5},
               {9, 0, 5}};
  for (const auto& c : cases) {
    store.deleteKey(kKey);
    auto k = key();
    if (c.interval) k->writeInteger("CheckUpdateInterval", *c.interval);
    if (c.dontCheck) k->writeInteger("DontCheckUpdates", *c.dontCheck);
    EXPECT_EQ(load().checkUpdateInterval, c.expected);
  }
}

TEST_F(SettingsStorageTest, TheWindowIsKeptOnTheWorkArea) {
  struct Case {
    std::optional<int> top, left, width;
    int expectedTop, expectedLeft;
  } cases[] = {
      {100, 200, 800, 100, 200},
      {5000, 200, 800, 984 - 50, 200},      // far below: 50 above the work area's bottom
      {-300, 200, 800, 0, 200},             // above: at the work area's top
      {100, 3000, 800, 100, 1280 - 50},     // beyond the right edge
      {100, -900, 800, 100, 0 - 800 + 50},  // wholly left of the work area
      {std::nullopt, std::nullopt, 800, (1024 - 480) / 2, (1280 - 800) / 2},  // centred
  };
  for (const auto& c : cases) {
    store.deleteKey(kKey);
    auto k = key();
    if (c.top) k->writeInteger("WinTop", *c.top);
    if (c.left) k->writeInteger("WinLeft", *c.left);
    if (c.width) k->writeInteger("WinWidth", *c.width);
    const Settings s = load();
    EXPECT_EQ(s.window.top, c.expectedTop) << c.top.value_or(-1);
    EXPECT_EQ(s.window.left, c.expectedLeft) << c.left.value_or(-1);
    EXPECT_EQ(s.window.height, 480);
  }
}

TEST_F(SettingsStorageTest, DoubleClickActionFollowsTheTrimmedList) {
  std::vector<std::string> withoutLock = DoubleClickActions();
  withoutLock.erase(withoutLock.begin() + 5);
  std::vector<std::string> withoutBoth(DoubleClickActions().begin(),
                                       DoubleClickActions().begin() + 5);

  key()->writeInteger("DblClickAction", 6);
  env.dblClickEntries = withoutLock;
  EXPECT_EQ(load().dblClickAction, 0);  // beyond the last entry: the first
  env.dblClickEntries = DoubleClickActions();
  EXPECT_EQ(load().dblClickAction, 6);

  struct Case {
    std::vector<std::string> entries;
    int selected, stored;
  } cases[] = {{withoutLock, 5, 6},
               {DoubleClickActions(), 5, 5},
               {DoubleClickActions(), 6, 6},
               {withoutBoth, 4, 4},
               {withoutLock, 0, 0}};
  for (const auto& c : cases) {
    Settings s = load();
    s.dblClickAction = c.selected;
    env.dblClickEntries = c.entries;
    ASSERT_TRUE(SaveSettings(store, s, env));
    EXPECT_EQ(key()->readInteger("DblClickAction"), c.stored) << c.selected;
  }
}

TEST_F(SettingsStorageTest, ALastTableThatIsGoneIsForgottenAndSavedEmpty) {
  const std::string table = folder.file("Routers.SKD");
  WriteFileBytes(table, "SKD21");
  key()->writeString("LastSKDFile", table);
  EXPECT_EQ(load().lastSKDFile, table);
  std::filesystem::remove(table);
  const Settings s = load();
  EXPECT_EQ(s.lastSKDFile, "");
  SaveSettings(store, s, env);
  EXPECT_EQ(key()->readString("LastSKDFile"), "");
}

TEST_F(SettingsStorageTest, FontValuesFollowTheirRules) {
  auto k = key();
  k->writeString("Font1Name", "Lucida Console");
  k->writeInteger("Font1CharSet", 204);
  k->writeInteger("Font1Size", 11);
  k->writeInteger("Font1Style", 0);  // leaves the style as it is
  k->writeString("Font2Name", "");   // leaves the name as it is
  k->writeInteger("Font2CharSet", -1);
  k->writeInteger("Font2Size", 0);
  k->writeInteger("Font2Style", 3);
  env.designEditorFont = {"Courier New", 1, 9, 2};
  const Settings s = load();
  EXPECT_EQ(s.editorFont, (FontSetting{"Lucida Console", 204, 11, 2}));
  EXPECT_EQ(s.popupFont, (FontSetting{"Lucida Console", 204, 9, 2}));  // name and set only
  EXPECT_EQ(s.menuFont, (FontSetting{"Tahoma", 1, 8, 3}));
}

TEST_F(SettingsStorageTest, SelectedNodeIndexIsReadOnlyWithoutAnArgument) {
  key()->writeInteger("SelectedNodeIndex", 12);
  EXPECT_EQ(load().selectedNodeIndex, 12);
  env.hasArgument = true;
  EXPECT_EQ(load().selectedNodeIndex, 0);
}

TEST_F(SettingsStorageTest, EveryValueIsSavedInOrderWithItsTypeAndReadBack) {
  Settings s;
  s.varName = "Ann";
  s.varEmail = "ann@example.org";
  s.varPhone = "+1 555";
  s.varMobile = "0170";
  s.varPager = "99";
  s.templateFile = "  /opt/tt/my.tpl \t";
  s.delayIndex = 8;
  s.printPreviewScale = 2;
  s.selectedNodeIndex = 17;
  s.selectLast = false;
  s.useColorsInEditor = true;
  s.useSameBackground = false;
  s.autoSave = true;
  s.window = {40, 30, 900, 700};
  s.treeWidth = 310;
  s.winMaximized = true;
  s.doNotTile = true;
  s.doNotPrompt = true;
  s.noColors = true;
  s.scpWidth = 480;
  s.dblClickAction = 3;
  s.allowTAB = true;
  s.tab2Space = true;
  s.smartTabs = true;
  s.spacePerTAB = 6;
  s.useAsTTFont = true;
  s.fullPathMRU = true;
  s.editorFont = {"Lucida Console", 0x1CC, 12, 0x105};
  s.popupFont = {"Lucida Console", 0xCC, 9, 0};
  s.menuFont = {"Verdana", 0, 10, 1};
  s.checkUpdateInterval = 2;
  s.defaultColors = 3;
  s.logging = true;
  s.editorBgColor = 0x00112233;
  s.editorActLineColor = 0x00445566;
  s.editorSelectionForeground = 0xFF000008;
  s.editorSelectionBackground = 0x00FFEEDD;
  s.lastSKDFile = folder.file("Net.SKD");
  WriteFileBytes(s.lastSKDFile, "SKD21");
  ASSERT_TRUE(SaveSettings(store, s, env));

  auto k = key();
  const std::vector<std::string> order = {"VarName",
                                          "VarEmail",
                                          "VarPhone",
                                          "VarMobile",
                                          "VarPager",
                                          "TemplateFile",
                                          "MultiStartInterval",
                                          "PrintPreviewScale",
                                          "SelectedNodeIndex",
                                          "SelectLast",
                                          "UseColorsInEditor",
                                          "UseSameBackGround",
                                          "AutoSave",
                                          "LastSKDFile",
                                          "WinTop",
                                          "WinLeft",
                                          "WinWidth",
                                          "WinHeight",
                                          "TreeWidth",
                                          "WinMaximized",
                                          "DoNotTile",
                                          "DoNotPrompt",
                                          "NoColors",
                                          "SCPWidth",
                                          "DblClickAction",
                                          "AllowTAB",
                                          "TAB2Space",
                                          "SmartTabs",
                                          "UseAsTTFont",
                                          "FullPathMRU",
                                          "SpacePerTAB",
                                          "Font1Name",
                                          "Font1CharSet",
                                          "Font1Size",
                                          "Font1Style",
                                          "Font2Name",
                                          "Font2CharSet",
                                          "Font2Size",
                                          "Font2Style",
                                          "CheckUpdateInterval",
                                          "DefaultColors",
                                          "Logging",
                                          "EditorBgColor",
                                          "EditorActLineColor",
                                          "EditorSelectionForeground",
                                          "EditorSelectionBackground"};
  EXPECT_EQ(k->valueNames(), order);
  for (const std::string name :
       {"VarName", "TemplateFile", "MultiStartInterval", "LastSKDFile", "Font1Name", "Font2Name"}) {
    EXPECT_TRUE(k->readString(name)) << name;
    EXPECT_FALSE(k->readInteger(name)) << name;
  }
  EXPECT_EQ(k->readString("TemplateFile"), "/opt/tt/my.tpl");
  EXPECT_EQ(k->readString("MultiStartInterval"), "10");
  EXPECT_EQ(k->readInteger("Font1CharSet"), 0xCC);  // low byte
  EXPECT_EQ(k->readInteger("Font1Style"), 0x05);
  EXPECT_EQ(k->readInteger("WinMaximized"), 1);
  EXPECT_EQ(k->readInteger("EditorSelectionForeground"), static_cast<int32_t>(0xFF000008u));

  const Settings back = load();
  EXPECT_EQ(back.varName, "Ann");
  EXPECT_EQ(back.varEmail, "ann@example.org");
  EXPECT_EQ(back.varPhone, "+1 555");
  EXPECT_EQ(back.varMobile, "0170");
  EXPECT_EQ(back.varPager, "99");
  EXPECT_EQ(back.templateFile, "/opt/tt/my.tpl");
  EXPECT_EQ(back.delayIndex, 8);
  EXPECT_EQ(back.printPreviewScale, 2);
  EXPECT_EQ(back.selectedNodeIndex, 17);
  EXPECT_FALSE(back.selectLast);
  EXPECT_TRUE(back.useColorsInEditor);
  EXPECT_FALSE(back.useSameBackground);
  EXPECT_TRUE(back.autoSave);
  EXPECT_EQ(back.lastSKDFile, s.lastSKDFile);
  EXPECT_EQ(back.window.left, 40);
  EXPECT_EQ(back.window.top, 30);
  EXPECT_EQ(back.window.width, 900);
  EXPECT_EQ(back.window.height, 700);
  EXPECT_EQ(back.treeWidth, 310);
  EXPECT_TRUE(back.winMaximized);
  EXPECT_TRUE(back.doNotTile);
  EXPECT_TRUE(back.doNotPrompt);
  EXPECT_TRUE(back.noColors);
  EXPECT_EQ(back.scpWidth, 480);
  EXPECT_EQ(back.dblClickAction, 3);
  EXPECT_TRUE(back.allowTAB);
  EXPECT_TRUE(back.tab2Space);
  EXPECT_TRUE(back.smartTabs);
  EXPECT_EQ(back.spacePerTAB, 6);
  EXPECT_TRUE(back.useAsTTFont);
  EXPECT_TRUE(back.fullPathMRU);
  EXPECT_EQ(back.editorFont, (FontSetting{"Lucida Console", 0xCC, 12, 5}));
  EXPECT_EQ(back.menuFont, (FontSetting{"Verdana", 0, 10, 1}));
  EXPECT_EQ(back.checkUpdateInterval, 2);
  EXPECT_EQ(back.defaultColors, 3);
  EXPECT_EQ(back.logging, true);
  EXPECT_EQ(back.editorBgColor, 0x00112233u);
  EXPECT_EQ(back.editorActLineColor, 0x00445566u);
  EXPECT_EQ(back.editorSelectionForeground, 0xFF000008u);
  EXPECT_EQ(back.editorSelectionBackground, 0x00FFEEDDu);
}

TEST_F(SettingsStorageTest, AStoreThatCannotBeWrittenSkipsTheSave) {
  store.failWrites = true;
  EXPECT_FALSE(SaveSettings(store, load(), env));
  EXPECT_TRUE(store.keys.empty());
}

TEST_F(SettingsStorageTest, SaveAndNotifyTellsTheCompanionAfterwards) {
  FakeBroadcaster broadcaster;
  SaveSettingsAndNotify(store, broadcaster, load(), env);
  EXPECT_EQ(broadcaster.sent, std::vector<std::string>{"SkelderRRMessage"});
  EXPECT_TRUE(key()->readInteger("AutoSave"));
}

TEST_F(SettingsStorageTest, IsNTPlatformAsksTheSystemOnceAndRemembers) {
  FakeSystem system;
  system.nt = false;
  EXPECT_TRUE(IsNTPlatform(store, system));  // no key: true, and nothing is created
  EXPECT_FALSE(store.openKey(kKey, false));

  key();
  EXPECT_FALSE(IsNTPlatform(store, system));
  EXPECT_EQ(key()->readInteger("NT"), 0);
  system.nt = true;
  EXPECT_FALSE(IsNTPlatform(store, system));  // the stored answer stands
  key()->deleteValue("NT");
  EXPECT_TRUE(IsNTPlatform(store, system));
  EXPECT_EQ(key()->readInteger("NT"), 1);
}

TEST_F(SettingsStorageTest, ParamNameIsAOneSlotMailbox) {
  EXPECT_EQ(ReadParamName(store), "");
  EXPECT_FALSE(store.openKey(kKey, false));  // reading created nothing
  WriteParamName(store, "/home/ann/Net.SKD");
  EXPECT_EQ(ReadParamName(store), "/home/ann/Net.SKD");
  WriteParamName(store, "");
  EXPECT_EQ(ReadParamName(store), "");
}

}  // namespace skelder::testing
