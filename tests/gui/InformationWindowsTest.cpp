#include <utime.h>
#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <functional>

#include "MainWindowFixture.h"
#include "core/integration/VersionLines.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "gui/app/GuiStartupHost.h"
#include "gui/integration/AboutWindow.h"
#include "gui/integration/InformationWindow.h"
#include "gui/integration/IntegrationCommands.h"
#include "gui/integration/SplashWindow.h"
#include "gui/ui/Commands.h"
#include "gui/ui/HyperlinkLabel.h"

namespace skelder::testing {
namespace {

// Runs inspect on the modal window once it is up, then closes it with its "Close"
// button. A window that is still open a few seconds later is closed all the same.
void WhenModal(const std::function<void(QWidget*)>& inspect) {
  QTimer::singleShot(0, [inspect] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      ADD_FAILURE() << "no modal window";
      return;
    }
    inspect(modal);
    modal->findChild<QPushButton*>("btnClose")->click();
  });
  QTimer::singleShot(5000, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
}

rVTNodeData Connection(const std::string& name, const std::string& macro,
                       const std::string& popup = "") {
  rVTNodeData data;
  data.Name = name;
  data.Level = 1;
  data.Macro = EncodeNodeText(macro, true);
  data.Popup = EncodeNodeText(popup, true);
  return data;
}

// The rows of the information window as one text, captions and values.
std::string Rows(QWidget* modal) {
  auto* info = qobject_cast<InformationWindow*>(modal);
  std::string text;
  for (const char* caption :
       {"File Name:", "File Location:", "File Size:", "File Last Updated:", "Number of Tree Nodes:",
        "Number of Macro Scripts:", "Average Macro Length:", "The Longest Macro Lengh:",
        "The Shortest Macro Length:", "Number of Scheduled Macros:", "Number of Separator Lines:",
        "Number of Popup Messages:"})
    text += std::string(caption) + " " + info->value(caption).toStdString() + "\n";
  return text;
}

using InformationWindows = MainWindowFixture;

TEST_F(InformationWindows, AnUnnamedEmptyTableShowsTheUnnamedFactsAndNoCounts) {
  auto& window = create();
  std::string rows;
  QString caption;
  Qt::WindowFlags flags;
  WhenModal([&](QWidget* modal) {
    rows = Rows(modal);
    caption = modal->windowTitle();
    flags = modal->windowFlags();
  });
  ASSERT_TRUE(window.commands().info->isEnabled());
  window.commands().info->trigger();
  EXPECT_EQ(caption, "Information");
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
  EXPECT_EQ(rows,
            "File Name: Noname.SKD\n"
            "File Location: \n"
            "File Size: ???\n"
            "File Last Updated: ???\n"
            "Number of Tree Nodes: 0\n"
            "Number of Macro Scripts: 0\n"
            "Average Macro Length: 0 bytes\n"
            "The Longest Macro Lengh: 0 bytes\n"
            "The Shortest Macro Length: 0 bytes\n"
            "Number of Scheduled Macros: 0\n"
            "Number of Separator Lines: 0\n"
            "Number of Popup Messages: 0\n");
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(InformationWindows, TheFileAsSavedAndTheTreeAsItIsNow) {
  ConnectionTree saved;
  ResetTree(saved);
  saved.appendChild(saved.computerNode(), Connection("Router", "connect 'r'"));  // 11 bytes
  std::string bytes;
  ASSERT_TRUE(EncodeTable(saved, true, bytes));
  const std::string path = table("Net.SKD", bytes);
  utimbuf times{1709647629, 1709647629};
  ASSERT_EQ(utime(path.c_str(), &times), 0);
  const std::string zone = std::getenv("TZ") ? std::getenv("TZ") : "";
  setenv("TZ", "UTC0", 1);
  tzset();

  auto& window = create();
  ASSERT_TRUE(window.document().OpenFile(path));
  ConnectionTree& tree = window.tree();
  tree.appendChild(tree.computerNode(), Connection("Switch", "send", "Mind the VPN"));
  tree.appendChild(tree.computerNode(), Connection("-", "old"));
  std::string rows;
  WhenModal([&](QWidget* modal) { rows = Rows(modal); });
  window.commands().info->trigger();
  const std::string date =
      QLocale::system().toString(QDate(2024, 3, 5), QLocale::ShortFormat).toStdString();
  EXPECT_EQ(rows,
            "File Name: Net.SKD\n"
            "File Location: " +
                folder.path() +
                "/\n"
                "File Size: " +
                std::to_string(bytes.size()) +
                " bytes\n"
                "File Last Updated: " +
                date +
                " 14:07:09\n"
                "Number of Tree Nodes: 3\n"
                "Number of Macro Scripts: 2\n"
                "Average Macro Length: 8 bytes\n"
                "The Longest Macro Lengh: 11 bytes\n"
                "The Shortest Macro Length: 4 bytes\n"
                "Number of Scheduled Macros: 0\n"
                "Number of Separator Lines: 1\n"
                "Number of Popup Messages: 1\n");

  // The file gone: its error, then the window without size and time.
  std::filesystem::remove(path);
  WhenModal([&](QWidget* modal) { rows = Rows(modal); });
  window.commands().info->trigger();
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{ErrorBox("Cannot open file \"" + path +
                                                               "\". No such file or directory")});
  EXPECT_NE(rows.find("File Size: ???\nFile Last Updated: ???\nNumber of Tree Nodes: 3\n"),
            std::string::npos)
      << rows;
  if (zone.empty())
    unsetenv("TZ");
  else
    setenv("TZ", zone.c_str(), 1);
  tzset();
}

TEST_F(InformationWindows, AboutShowsTheProductAndLeadsToTheTermsAndTheWebSites) {
  auto& window = create();
  AboutWindow& about = window.integrationCommands().aboutWindow();
  EXPECT_EQ(about.windowTitle(), "About Skelder");
  QTabWidget* pages = about.pages();
  ASSERT_EQ(pages->count(), 3);
  EXPECT_EQ(pages->tabText(0), "About");
  EXPECT_EQ(pages->tabText(1), "Disclaimer");
  EXPECT_EQ(pages->tabText(2), "What's New");
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_EQ(about.findChild<QLabel*>("lblProduct")->text(), "Skelder");
  EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text().toStdString(),
            VersionLine(ProgramVersion()));
  EXPECT_EQ(about.findChild<QLabel*>("lblBuild")->text().toStdString(),
            std::string("Build: ") + kBuildDate);

  HyperlinkLabel* license = about.licenseLabel();
  EXPECT_EQ(license->text(), "Freeware License Agreement");
  EXPECT_EQ(license->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_FALSE(license->font().underline());
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(license, &enter);
  EXPECT_TRUE(license->font().underline());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(license, &leave);
  EXPECT_FALSE(license->font().underline());

  bool shownModally = false;
  WhenModal([&](QWidget* modal) {
    shownModally = modal == &about;
    QTest::mouseClick(license, Qt::LeftButton);
    EXPECT_EQ(pages->currentIndex(), 1);
    QTest::mouseClick(about.findChild<HyperlinkLabel*>("lnkSkelderhomepage"), Qt::LeftButton);
    QTest::mouseClick(about.findChild<HyperlinkLabel*>("lnkTeraTermhomepage"), Qt::LeftButton);
  });
  window.commands().about->trigger();
  EXPECT_TRUE(shownModally);
  EXPECT_EQ(starter->started, (std::vector<std::string>{std::string(kProductHomePage) + "||",
                                                        std::string(kTeraTermHomePage) + "||"}));
}

TEST_F(InformationWindows, TheSplashShowsTheVersionAndTheProgressOfTheLastTable) {
  ConnectionTree saved;
  ResetTree(saved);
  for (const char* name : {"A", "B", "C"})
    saved.appendChild(saved.computerNode(), Connection(name, ""));
  std::string bytes;
  ASSERT_TRUE(EncodeTable(saved, true, bytes));
  key()->writeString("LastSKDFile", table("Last.SKD", bytes));

  context = std::make_unique<ProgramContext>(
      ProgramContext{platform, dialogs, folder.file("tt") + "/", {}});
  GuiStartupHost host(*context);
  host.showSplash();
  auto* splash = qobject_cast<SplashWindow*>([] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "SplashWindow" && w->isVisible()) return w;
    return static_cast<QWidget*>(nullptr);
  }());
  ASSERT_TRUE(splash);
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(splash->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(splash->findChild<QLabel*>("lblProduct")->text(), "Skelder");
  EXPECT_EQ(splash->findChild<QLabel*>("lblVersion")->text().toStdString(),
            VersionLine(ProgramVersion()));
  EXPECT_EQ(splash->findChild<QLabel*>("lblBuild")->text().toStdString(),
            std::string("Build: ") + kBuildDate + ".");
  EXPECT_EQ(splash->findChild<QLabel*>("lblStarting")->text(), "Starting Configuration Utility...");

  // The main window's table reader moves the bar while the last table loads.
  std::vector<std::pair<int, int>> steps;
  auto show = context->loadProgress;
  context->loadProgress = [&](int position, int total) {
    steps.emplace_back(position, total);
    show(position, total);
  };
  window = std::make_unique<MainWindow>(*context);
  EXPECT_EQ(steps.front(), std::make_pair(0, 3));
  EXPECT_EQ(steps.back(), std::make_pair(3, 3));
  EXPECT_EQ(splash->progressBar()->maximum(), 3);
  EXPECT_EQ(splash->progressBar()->value(), 3);
  window.reset();
}

}  // namespace
}  // namespace skelder::testing
