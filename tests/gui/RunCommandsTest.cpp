#include <Qsci/qsciscintilla.h>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "core/tree/NodeTextEncoding.h"
#include "gui/properties/SettingsPages.h"
#include "gui/run/KeywordHintLabel.h"
#include "gui/run/RunCommands.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {

namespace {

class RunCommandsTest : public MainWindowFixture {
 protected:
  MainWindow& open() {
    WriteFileBytes(folder.file("tt/ttermpro.exe"), "stand-in");
    WriteFileBytes(folder.file("tt/teraterm.ini"),
                   "[Tera Term]\r\nVTColor=1,2,3,4,5,6\r\nVTBoldColor=7,8,9,10,11,12\r\n"
                   "VTBlinkColor=13,14,15,16,17,18\r\nURLColor=19,20,21,22,23,24\r\n");
    return createShown();
  }
  TreeNode* add(MainWindow& window, const std::string& name, const std::string& macro,
                const std::string& colors) {
    rVTNodeData data;
    data.Name = name;
    data.Level = 1;
    data.Macro = EncodeNodeText(macro, true);
    data.Colors = colors;
    return window.tree().appendChild(window.tree().computerNode(), data);
  }
  void focus(MainWindow& window, std::vector<TreeNode*> nodes) {
    window.tree().clearSelection();
    for (TreeNode* node : nodes) window.tree().setSelected(node, true);
    window.tree().setFocusedNode(nodes.back());
    window.tree().setCurrentNode(nodes.back());
    window.ShowNodeProperties();
    window.RefreshCommandsNow();
  }
  std::string temp(const std::string& name) {
    return ReadFileBytes(folder.file("tt/Temp_TTL/" + name));
  }
  const std::string red = "255:0:0:0:0:0:255:0:0:0:0:0:255:0:0:0:0:0:255:0:0:0:0:0";
  const std::string blue = "0:0:255:0:0:0:0:0:255:0:0:0:0:0:255:0:0:0:0:0:255:0:0:0";
};

}  // namespace

TEST_F(RunCommandsTest, RunWritesThePairAndStartsTeraTermWithBoth) {
  auto& window = open();
  focus(window, {add(window, "Web", "connect 'web'\r\nsendln 'ls'", red)});
  trigger(window.commands().run);
  const std::string tt = folder.file("tt") + "/";
  ASSERT_EQ(starter->started.size(), 1u);
  EXPECT_EQ(starter->started[0], tt + "ttermpro.exe| /F=\"" + tt +
                                     "Temp_TTL/~TTiniC1.ini\"  /M=\"" + tt +
                                     "Temp_TTL/~macroC1.ttl\"|");
  EXPECT_EQ(temp("~macroC1.ttl"), "connect 'web'\r\nsendln 'ls'\r\n");
  EXPECT_NE(temp("~TTiniC1.ini").find("VTColor=255,0,0,0,0,0"), std::string::npos);
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(RunCommandsTest, RunIsOfferedOnlyForAConnectionWithAMacro) {
  auto& window = open();
  TreeNode* empty = add(window, "Empty", "", red);
  TreeNode* separator = add(window, "-", "", red);
  focus(window, {empty});
  QApplication::processEvents();
  QTest::qWait(250);
  EXPECT_FALSE(window.commands().run->isEnabled());
  focus(window, {separator});
  QTest::qWait(250);
  EXPECT_FALSE(window.commands().run->isEnabled());
  EXPECT_FALSE(window.commands().runAllSelected->isEnabled());
}

TEST_F(RunCommandsTest, ABatchRunsEachSelectedConnectionWithItsOwnColours) {
  auto& window = open();
  window.settingsPages().general().CBDelay->setCurrentIndex(0);  // two seconds between starts
  TreeNode* a = add(window, "A", "a1", red);
  TreeNode* b = add(window, "B", "b1", blue);
  focus(window, {a, b});
  trigger(window.commands().runAllSelected);
  ASSERT_EQ(starter->started.size(), 2u);
  EXPECT_EQ(window.runCommands().Timer5()->interval(), 2000);
  EXPECT_NE(temp("~TTiniC1.ini").find("VTColor=255,0,0,0,0,0"), std::string::npos);
  EXPECT_NE(temp("~TTiniC2.ini").find("VTColor=0,0,255,0,0,0"), std::string::npos);
  EXPECT_EQ(temp("~macroC2.ttl"), "b1\r\n");
}

TEST_F(RunCommandsTest, CtrlClickOnAKeywordShowsItsValueForThreeSeconds) {
  auto& window = open();
  window.settingsPages().userData().edtName->setText("Ann");
  focus(window, {add(window, "Web", "sendln '$name$'", red)});
  window.ShowPage(1);
  auto* memo = window.findChild<QsciScintilla*>("Memo1");
  auto& hint = window.runCommands().hint();
  const QPoint onKeyword(memo->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, 10L),
                         memo->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, 10L) + 4);
  EXPECT_EQ(hint.WordAt(onKeyword), "$name$");
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, Qt::ControlModifier, onKeyword);
  EXPECT_TRUE(hint.isVisible());
  EXPECT_EQ(hint.text(), " Ann ");
  EXPECT_TRUE(hint.Timer6()->isActive());
  EXPECT_EQ(hint.Timer6()->interval(), 3000);
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, Qt::NoModifier, onKeyword);
  EXPECT_FALSE(hint.isVisible());
}

}  // namespace skelder::testing
