// The "Preview" page: what "Run" and "Run branch" would execute for the focused
// connection, following unapplied edits, copied and exported as shown, never writing or
// asking anything, and agreeing with the tool and with a real run.
#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <regex>
#include <set>

#include "MainWindowFixture.h"
#include "core/run/MacroPreview.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableWriter.h"
#include "gui/editor/MacroEditor.h"
#include "gui/properties/MacroPage.h"
#include "gui/properties/PreviewPage.h"
#include "gui/properties/SettingsPages.h"
#include "gui/properties/UserDataPage.h"
#include "gui/ui/Commands.h"
#include "gui/ui/LocalText.h"
#include "platform/posix/PosixSystemInfo.h"
#include "support/ToolRun.h"

namespace skelder::testing {

namespace {

namespace fs = std::filesystem;

constexpr int kPreviewPage = 5;

// The system's own user name, as the tool finds it.
class LoggedOnUser : public FakeSystem {
 public:
  std::string userName() const override { return PosixSystemInfo().userName(); }
};

// This computer > Site A > Web B, with the user's name on the "User Data" page.
class MacroPreviewTest : public MainWindowFixture {
 protected:
  MainWindow& open() {
    WriteFileBytes(folder.file("tt/ttermpro.exe"), "stand-in");
    WriteFileBytes(folder.file("tt/teraterm.ini"), "[Tera Term]\r\nVTColor=1,2,3,4,5,6\r\n");
    MainWindow& w = createShown();
    context->clock = &clock;
    siteA = addConnection("Site A", nullptr, "connect '$CONNECTION$'\r\nsendln '$name$'");
    webB = addConnection("Web B", siteA, "$logit$\r\nsendln '$user$ $parent$'\r\nsendln '$[1]'");
    w.settingsPages().userData().edtName->setText("Ann Smith");
    return w;
  }
  // The connection focused and the Preview page showing it.
  PreviewPage& show(TreeNode* node) {
    focusTree({node});
    window->ShowPage(kPreviewPage);
    QApplication::processEvents();
    window->previewPage().FlushUpdate();  // past the pause after the focus moved
    return window->previewPage();
  }
  std::string shown() { return ToLocal(window->previewPage().MemoPreview->text()); }
  std::string note() {
    QLabel* label = window->previewPage().lblPreviewNote;
    return label->isVisibleTo(&window->previewPage()) ? ToLocal(label->text()) : "(hidden)";
  }
  std::string logLine(const std::string& stem) const {
    return "logopen '" + folder.file("tt") + "/Logs/" + stem + "20260102030405.log' 0 0\r\n";
  }
  // Every path below the Tera Term folder.
  std::set<std::string> programFiles() {
    std::set<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(folder.file("tt")))
      paths.insert(entry.path().string());
    return paths;
  }
  // Typing at the end of the macro editor as the user does.
  void type(const char* text) {
    window->ShowPage(1);
    QsciScintilla* memo = window->macroPage().Memo1;
    memo->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(memo->hasFocus());
    memo->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    QTest::keyClicks(memo->viewport(), text);
  }

  FixedClock clock{LocalTime{2026, 1, 2, 3, 4, 5}};
  TreeNode* siteA = nullptr;
  TreeNode* webB = nullptr;
  const std::string runB = "sendln 'ann Site'\r\nsendln '$[1]'\r\n" + logLine("Web_B_");
  const std::string branchB =
      "connect 'Site A'\r\nsendln 'Ann Smith'\r\nsendln 'ann Site'\r\n"
      "sendln '$[1]'\r\n" +
      logLine("Site_A_Web_B_");
};

}  // namespace

TEST_F(MacroPreviewTest, TheRunThenTheBranchWithKeywordsLogLinesAndTheVariablesNamed) {
  open();
  PreviewPage& page = show(webB);
  EXPECT_FALSE(page.isCovered());
  EXPECT_EQ(shown(), runB + "; ---------- Run branch ----------\r\n" + branchB);
  EXPECT_EQ(page.shownText(), shown());
  EXPECT_EQ(note(), "Asked at run time: $[1]");
  EXPECT_TRUE(page.MemoPreview->isReadOnly());
  EXPECT_EQ(page.MemoPreview->lexer()->language(), std::string("TeraTerm Macro "));

  // A connection below the ComputerNode has no branch of its own, children or not.
  show(siteA);
  EXPECT_EQ(shown(), "connect 'Site A'\r\nsendln 'Ann Smith'\r\n");
  EXPECT_EQ(note(), "(hidden)");

  // Where the connection pages do not apply, neither does the preview.
  show(window->tree().computerNode());
  EXPECT_TRUE(page.isCovered());
  EXPECT_EQ(page.panelText().toStdString(), "Node not selected");
  EXPECT_EQ(page.shownText(), "");
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(MacroPreviewTest, ItFollowsUnappliedEditsAfterThePauseAndOnlyWhileShowing) {
  open();
  PreviewPage& page = show(siteA);
  QTimer* timer = page.PreviewTimer();
  EXPECT_EQ(timer->interval(), 300);
  EXPECT_TRUE(timer->isSingleShot());

  // Hidden, the page computes nothing; showing it brings it up to date at once.
  type(" $[2]");
  EXPECT_TRUE(window->HasPendingEdits());
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(page.shownText(), "connect 'Site A'\r\nsendln 'Ann Smith'\r\n");
  window->ShowPage(kPreviewPage);
  EXPECT_EQ(shown(), "connect 'Site A'\r\nsendln 'Ann Smith' $[2]\r\n");
  EXPECT_EQ(note(), "Asked at run time: $[2]");

  // Showing, a change waits for the pause: the editor's text and the logging box.
  window->macroPage().Memo1->append("\r\nsendln 'more'");
  window->macroPage().cbLogSession->setChecked(true);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(shown(), "connect 'Site A'\r\nsendln 'Ann Smith' $[2]\r\n");
  page.FlushUpdate();
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(shown(), "connect 'Site A'\r\nsendln 'Ann Smith' $[2]\r\nsendln 'more'\r\n" +
                         logLine("Site_A_"));
  // Nothing of it reached the connection.
  EXPECT_EQ(siteA->data.Macro, EncodeNodeText("connect '$CONNECTION$'\r\nsendln '$name$'", true));
  EXPECT_EQ(siteA->data.StartLogging, 0);
  EXPECT_TRUE(window->HasPendingEdits());
}

TEST_F(MacroPreviewTest, NothingIsWrittenMadeStartedOrAsked) {
  open();
  focusTree({webB});
  const std::set<std::string> before = programFiles();
  show(webB);
  type(" $[3] $LOGFILENAME$");
  window->ShowPage(kPreviewPage);
  window->macroPage().cbLogSession->setChecked(true);
  window->previewPage().FlushUpdate();
  window->previewPage().btnCopyPreview->click();
  EXPECT_NE(shown().find("$[3]"), std::string::npos);
  EXPECT_EQ(programFiles(), before);
  EXPECT_FALSE(fs::exists(folder.file("tt/Logs")));
  EXPECT_FALSE(fs::exists(folder.file("tt/Temp_TTL")));
  EXPECT_TRUE(starter->started.empty());
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(MacroPreviewTest, CopyAndExportTakeWhatThePreviewShows) {
  open();
  const std::string both = runB + kBranchHeading + branchB;
  PreviewPage& page = show(webB);
  QApplication::clipboard()->clear();
  QTest::mouseClick(page.btnCopyPreview, Qt::LeftButton);
  EXPECT_EQ(ToLocal(QApplication::clipboard()->text()), both);

  const std::string file = folder.file("preview.ttl");
  dialogs.answer("file:" + file);
  trigger(window->commands().exportMacro);
  EXPECT_EQ(ReadFileBytes(file), both);
  EXPECT_EQ(dialogs.boxes(), (std::vector<RecordedBox>{{"file-save", "", "Export macro to file"}}));

  // A target that cannot be written: the box names it.
  const std::string blocked = folder.file("blocked.ttl");
  fs::create_directories(blocked + "/inside");
  dialogs.clear();
  dialogs.answer("file:" + blocked);
  trigger(window->commands().exportMacro);
  ASSERT_EQ(dialogs.boxes().size(), 2u);
  EXPECT_EQ(dialogs.boxes()[1].kind, "error");
  EXPECT_EQ(dialogs.boxes()[1].text.rfind("Cannot create file \"" + blocked + "\". ", 0), 0u);

  // From another page the export is the branch as "Run branch" assembles it, asking.
  window->ShowPage(1);
  window->RefreshCommandsNow();
  dialogs.clear();
  dialogs.answer("file:" + file);
  dialogs.answer("text:secret");
  trigger(window->commands().exportMacro);
  EXPECT_EQ(ReadFileBytes(file),
            "connect 'Site A'\r\nsendln 'Ann Smith'\r\nsendln 'ann Site'\r\nsendln 'secret'\r\n"
            "logopen 'Site_A_Web_B_.log' 0 0\r\n");

  show(siteA);
  QTest::mouseClick(page.btnCopyPreview, Qt::LeftButton);
  EXPECT_EQ(ToLocal(QApplication::clipboard()->text()),
            "connect 'Site A'\r\nsendln 'Ann Smith'\r\n");
}

// The preview, the tool's "macro" and the files of real runs hold the same bytes. The
// variable is answered with itself, and the tool's time stamps are its own.
TEST_F(MacroPreviewTest, ThePreviewTheToolAndARealRunAgree) {
  // "$user$" is the logged-on user's name, for the window as for the tool.
  platform.system = std::make_unique<LoggedOnUser>();
  open();
  const std::string preview = show(webB).shownText();

  const std::string table = folder.file("table.SKD");
  TableFileHost host;
  FakeSystem system;
  TableFileContext tableContext{window->tree(), dialogs, system, host};
  ASSERT_TRUE(WriteTable(tableContext, table, true));
  FileSettingsStore toolSettings(folder.file("toolcfg/Vantrell Solutions/Skelder.reg"));
  toolSettings.openKey(kSettingsKeyPath, true)->writeString("VarName", "Ann Smith");
  const std::string environment = "XDG_CONFIG_HOME='" + folder.file("toolcfg") + "' USER=ann";
  const std::string arguments =
      "macro '" + table + "' '/Site A/Web B' --folder '" + folder.file("tt") + "' --var '1=$[1]'";
  const ToolRun run = RunTool(folder.path(), environment, arguments);
  const ToolRun branch = RunTool(folder.path(), environment, arguments + " --branch");
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(branch.status, 0) << branch.err;

  dialogs.answer("text:$[1]");
  trigger(window->commands().run);
  dialogs.answer("text:$[1]");
  trigger(window->commands().runBranch);
  ASSERT_EQ(starter->started.size(), 2u);
  const std::string runFile = ReadFileBytes(folder.file("tt/Temp_TTL/~macroC1.ttl"));
  const std::string branchFile = ReadFileBytes(folder.file("tt/Temp_TTL/~macroC2.ttl"));

  EXPECT_NE(preview.find("sendln '$[1]'\r\nlogopen '"), std::string::npos);
  EXPECT_EQ(preview, runFile + kBranchHeading + branchFile);
  const std::regex stamp("_[0-9]{14}\\.log");
  auto unstamped = [&stamp](const std::string& text) {
    return std::regex_replace(text, stamp, "_STAMP.log");
  };
  EXPECT_EQ(unstamped(run.out + kBranchHeading + branch.out), unstamped(preview));
  EXPECT_NE(unstamped(preview), preview);
}

}  // namespace skelder::testing
