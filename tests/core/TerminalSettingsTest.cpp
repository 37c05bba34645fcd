#include <gtest/gtest.h>

#include <filesystem>

#include "core/properties/ColorSchemas.h"
#include "core/run/TerminalSettings.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeState.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

namespace fs = std::filesystem;

const std::string kTeraTermIni = SKELDER_TESTDATA "/teraterm/TERATERM.INI";
const std::string kNodeColors = "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:21:22:23:24";
const std::string kOtherColors =
    "101:102:103:104:105:106:107:108:109:110:111:112:113:114:115:116:117:118:119:120:121:122:123:"
    "124";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// Tera Term's own settings file in the program folder; a tree with a focused node.
class TerminalSettingsTest : public ::testing::Test {
 protected:
  TerminalSettingsTest() : program(folder.path() + "/"), target(folder.file("~TTiniC1.ini")) {
    original = ReadFileBytes(kTeraTermIni);
    WriteFileBytes(program + "teraterm.ini", original);
    TreeNode* computer = ResetTree(tree);
    focused = tree.appendChild(computer);
    focused->data.Colors = kNodeColors;
    other = tree.appendChild(computer);
    other->data.Colors = kOtherColors;
    tree.setFocusedNode(focused);
    colors.node = focused;
    colors.focused = focused;
    ParseColorString(DefaultColorString(), colors.workingColors);
  }
  std::string write() {
    EXPECT_TRUE(WriteTerminalSettings(program, target, colors, options, dialogs));
    return ReadFileBytes(target);
  }
  // The original file with the colour keys and "BGEnable" as a run writes them.
  std::string expectedWith(const std::string& vt, const std::string& bold, const std::string& blink,
                           const std::string& url) const {
    std::string text = Replaced(original, "BGEnable=0", "BGEnable=off");
    text = Replaced(text, "\nVTColor=255,255,255,0,0,0", "\nVTColor=" + vt);
    text = Replaced(text, "\nVTBoldColor=255,255,0,0,0,0", "\nVTBoldColor=" + bold);
    text = Replaced(text, "\nVTBlinkColor=255,0,0,0,0,0", "\nVTBlinkColor=" + blink);
    return Replaced(text, "\nURLColor=0,255,255,0,0,0", "\nURLColor=" + url);
  }

  TempFolder folder;
  std::string program, target, original;
  ConnectionTree tree;
  TreeNode *focused, *other;
  TerminalColors colors;
  TerminalOptions options;
  ScriptedDialogs dialogs;
};

TEST_F(TerminalSettingsTest, TheCopyTakesTheFocusedNodesColoursAndLeavesTheRestAlone) {
  colors.node = other;  // a single run takes the focused node's colours
  EXPECT_EQ(write(), expectedWith("1,2,3,4,5,6", "7,8,9,10,11,12", "13,14,15,16,17,18",
                                  "19,20,21,22,23,24"));
  EXPECT_EQ(ReadFileBytes(program + "teraterm.ini"), original);
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(TerminalSettingsTest, WhereTheColoursComeFrom) {
  struct Case {
    const char* what;
    bool batch, pending;
    const TreeNode* focused;
    std::string nodeColors;
    std::string vt, url;
  };
  const Case cases[] = {
      {"batch: the node run", true, false, focused, kNodeColors, "101,102,103,104,105,106",
       "119,120,121,122,123,124"},
      {"pending edits: the page", false, true, focused, kNodeColors, "0,0,0,255,255,216",
       "0,0,255,255,255,216"},
      {"no focused node: teraterm.ini", false, false, nullptr, kNodeColors, "255,255,255,0,0,0",
       "0,255,255,0,0,0"},
      {"a broken string: parsed as far as it goes, over the page's colours", false, false, focused,
       "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:21:22:x:24", "1,2,3,4,5,6",
       "19,20,21,22,255,24"},
  };
  for (const Case& c : cases) {
    colors.node = other;
    colors.batch = c.batch;
    colors.pendingEdits = c.pending;
    colors.focused = c.focused;
    focused->data.Colors = c.nodeColors;
    const std::string written = write();
    EXPECT_NE(written.find("\r\nVTColor=" + c.vt + "\r\n"), std::string::npos) << c.what;
    EXPECT_NE(written.find("\r\nURLColor=" + c.url + "\r\n"), std::string::npos) << c.what;
  }
}

TEST_F(TerminalSettingsTest, DisabledColoursLeaveTheColourKeysAsTheUserHasThem) {
  options.noColors = true;
  EXPECT_EQ(write(), Replaced(original, "BGEnable=0", "BGEnable=off"));
}

TEST_F(TerminalSettingsTest, BGEnableGetsItsSectionWhereTheFileHasNone) {
  WriteFileBytes(program + "teraterm.ini", "[Tera Term]\r\nVTColor=1,1,1,1,1,1\r\n");
  options.noColors = true;
  EXPECT_EQ(write(), "[Tera Term]\r\nVTColor=1,1,1,1,1,1\r\n[BG]\r\nBGEnable=off\r\n");
}

TEST_F(TerminalSettingsTest, ConfirmDisconnectIsTurnedOffOnlyInABatch) {
  options.noColors = true;
  const std::pair<bool, bool> cases[] = {{false, false}, {true, false}, {false, true}};
  for (const auto& [doNotPrompt, batch] : cases) {
    options.doNotPrompt = doNotPrompt;
    colors.batch = batch;
    EXPECT_NE(write().find("\r\nConfirmDisconnect=on\r\n"), std::string::npos);
  }
  options.doNotPrompt = colors.batch = true;
  EXPECT_EQ(write(), Replaced(Replaced(original, "BGEnable=0", "BGEnable=off"),
                              "\r\nConfirmDisconnect=on\r\n", "\r\nConfirmDisconnect=Off\r\n"));
}

TEST_F(TerminalSettingsTest, TheEditorFontReplacesOnlyAFontTheFileHas) {
  options.noColors = options.useAsTTFont = true;
  options.fontName = "Courier New";
  options.fontHeight = -13;
  // Tera Term's own file has "VTFont=" empty: nothing is written.
  EXPECT_EQ(write(), Replaced(original, "BGEnable=0", "BGEnable=off"));
  WriteFileBytes(program + "teraterm.ini", "[Tera Term]\r\nVTFont=Terminal,0,-12,255\r\n");
  EXPECT_EQ(write(), "[Tera Term]\r\nVTFont=Courier New,0,-13,255\r\n[BG]\r\nBGEnable=off\r\n");
  options.useAsTTFont = false;
  EXPECT_EQ(write(), "[Tera Term]\r\nVTFont=Terminal,0,-12,255\r\n[BG]\r\nBGEnable=off\r\n");

  const std::pair<std::string, std::string> values[] = {
      {"Terminal,0,-12,255", "Courier New,0,-13,255"},
      {"Terminal,1,-12,128,extra,fields", "Courier New,1,-13,128,extra,fields"},
      {"Terminal,0,-12", "Courier New,0,-13,"},
      {"Terminal", "Courier New,,-13,"},
  };
  for (const auto& [old, font] : values)
    EXPECT_EQ(TerminalFontValue(old, "Courier New", -13), font) << old;
  EXPECT_EQ(FontHeightFromPoints(10, 96), -13);
  EXPECT_EQ(FontHeightFromPoints(9, 96), -12);
  EXPECT_EQ(FontHeightFromPoints(12, 120), -20);
}

TEST_F(TerminalSettingsTest, AMissingTeraTermIniStopsWithTheFileError) {
  fs::remove(program + "teraterm.ini");
  EXPECT_FALSE(WriteTerminalSettings(program, target, colors, options, dialogs));
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{ErrorBox("Cannot open file \"" + program +
                                               "teraterm.ini\". No such file or directory")}));
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(TerminalSettingsTest, CygwinNeedsABinFolderInTheNamedFolder) {
  fs::create_directories(folder.file("cygwin/bin"));
  fs::create_directories(folder.file("empty"));
  const std::pair<std::string, bool> cases[] = {
      {"[Tera Term]\r\nCygwinDirectory=" + folder.file("cygwin") + "\r\n", true},
      {"[Tera Term]\r\nCygwinDirectory=" + folder.file("cygwin") + "/\r\n", true},
      {"[Tera Term]\r\nCygwinDirectory=" + folder.file("empty") + "\r\n", false},
      {"[Tera Term]\r\nCygwinDirectory=\r\n", false},
      {"[Other]\r\nCygwinDirectory=" + folder.file("cygwin") + "\r\n", false},
  };
  for (const auto& [ini, available] : cases) {
    WriteFileBytes(program + "teraterm.ini", ini);
    EXPECT_EQ(CygwinAvailable(program), available) << ini;
  }
  WriteFileBytes(program + "teraterm.ini", original);  // Tera Term's own: the key is empty
  EXPECT_FALSE(CygwinAvailable(program));
  fs::remove(program + "teraterm.ini");
  EXPECT_FALSE(CygwinAvailable(program));
}

}  // namespace
}  // namespace skelder::testing
