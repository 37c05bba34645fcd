// Printing the macro editor's text: jobs go through Qt into PDF files, which poppler's
// pdftotext and pdftoppm read back.
#include <Qsci/qsciscintilla.h>
#include <QComboBox>
#include <QDir>
#include <QGraphicsView>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "core/editor/PrintHeader.h"
#include "gui/editor/MacroEditor.h"
#include "gui/editor/MacroPrinter.h"
#include "gui/editor/PrintCommands.h"
#include "gui/editor/PrintDialogs.h"
#include "gui/editor/PrintPreviewWindow.h"
#include "gui/editor/PrinterCheck.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/properties/MacroPage.h"
#include "gui/properties/SettingsPages.h"

namespace skelder::testing {

namespace {

// The system's printers as a test wants them; the current printer writes a PDF file.
class FakePrinterCheck : public PrinterCheck {
 public:
  int count = 1;
  bool current = true;
  bool color = true;
  std::string file;
  int counted = 0;  // how often the printers were counted

  int CountPrinters() override {
    ++counted;
    return count;
  }
  bool HasCurrentPrinter() override { return current; }
  bool CurrentPrinterIsColor() override { return color; }
  void SelectCurrentPrinter(QPrinter& printer) override {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
  }
};

// The print and printer setup dialogs, answered by the test.
class ScriptedPrintDialogs : public PrintDialogs {
 public:
  bool accept = true;
  std::string chosenFile;  // the file the user prints to; none keeps the offered one
  std::vector<std::string> opened;
  QString offeredFile;  // what the print dialog's print-to-file box held when it opened

  bool print(QPrinter& printer, QWidget*) override {
    opened.push_back("print");
    offeredFile = printer.outputFileName();
    if (accept && !chosenFile.empty())
      printer.setOutputFileName(QString::fromStdString(chosenFile));
    return accept;
  }
  bool pageSetup(QPrinter&, QWidget*) override {
    opened.push_back("page setup");
    return accept;
  }
};

std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "sendln 'line " + std::to_string(i) + "'\r\n";
  return text;
}

QString Tool(const char* name) { return QStandardPaths::findExecutable(QLatin1String(name)); }

// The text of a PDF file, page by page, as pdftotext lays it out.
QStringList PdfPages(const std::string& file) {
  QProcess tool;
  tool.start(Tool("pdftotext"),
             {QStringLiteral("-layout"), QString::fromStdString(file), QStringLiteral("-")});
  tool.waitForFinished(60000);
  QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

// The lines of a page with the runs of blanks that separate left and right texts as one.
QStringList PageLines(const QString& page) {
  QStringList lines;
  for (QString line : page.split(QLatin1Char('\n'))) {
    line =
        line.trimmed().replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral(" | "));
    if (!line.isEmpty()) lines << line;
  }
  return lines;
}

// Page 1 of a PDF file as a picture.
QImage PdfPicture(const std::string& file, const std::string& stem) {
  QProcess tool;
  tool.start(Tool("pdftoppm"),
             {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-f"), QStringLiteral("1"),
              QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
              QStringLiteral("-png"), QString::fromStdString(file), QString::fromStdString(stem)});
  tool.waitForFinished(60000);
  return QImage(QString::fromStdString(stem + ".png"));
}

// Pixels whose red, green and blue differ clearly: neither black, white nor grey.
int ColouredPixels(const QImage& picture) {
  int coloured = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      const int high = std::max({c.red(), c.green(), c.blue()});
      const int low = std::min({c.red(), c.green(), c.blue()});
      coloured += high - low > 60;
    }
  return coloured;
}

class PrintingTest : public MainWindowFixture {
 protected:
  PrintingTest() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    printers.file = folder.file("printed.pdf");
  }
  ~PrintingTest() override {
    delete commands.data();
    QLocale::setDefault(QLocale::system());
  }
  void SetUp() override {
    if (Tool("pdftotext").isEmpty() || Tool("pdftoppm").isEmpty())
      GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are needed to read the printouts";
  }

  // The main window with "telnet" below "Routers", focused, and the print commands over
  // its macro editor, as the window gives them their sources.
  MainWindow& open(const std::string& macro, std::vector<std::string> arguments = {}) {
    auto& window = create(std::move(arguments));
    TreeNode* routers = addConnection("Routers");
    selectNodes({addConnection("telnet", routers, macro)});
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    makeCommands();
    return window;
  }
  void makeCommands() {
    PrintSource source;
    source.editor = memo1();
    source.tableFile = [this] { return window->document().fileName(); };
    source.nodePath = [this] { return NodePath(*window->tree().currentNode()); };
    source.connectionColors = [this] {
      return window->settingsPages().macroEditor().rbUseColorInEditor->isChecked();
    };
    delete commands.data();
    commands = new PrintCommands(source, printers, printDialogs, dialogs, clock, window.get());
  }
  QsciScintilla* memo1() { return window->macroPage().Memo1; }
  PrintPreviewWindow& preview() { return commands->previewWindow(); }
  bool printed() const { return std::filesystem::exists(printers.file); }

  FakePrinterCheck printers;
  ScriptedPrintDialogs printDialogs;
  FixedClock clock{LocalTime{2024, 3, 5, 14, 7, 9, 0, 2}};
  QPointer<PrintCommands> commands;  // the window's child
};

}  // namespace

TEST_F(PrintingTest, EveryPageCarriesBothHeaderLinesWithItsNumber) {
  const std::string table = this->table("net.skd");
  open(Lines(100), {table});
  commands->PrintNow();
  ASSERT_TRUE(printed());
  EXPECT_TRUE(dialogs.boxes().empty());

  const QStringList pages = PdfPages(printers.file);
  ASSERT_EQ(pages.size(), 2);
  EXPECT_EQ(commands->printer().pageCount(), 2);
  for (int n = 1; n <= 2; ++n) {
    const QStringList lines = PageLines(pages[n - 1]);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("File: %1 | Page %2 of 2").arg(table.c_str()).arg(n));
    EXPECT_EQ(lines[1], QStringLiteral("Macro: /Routers/telnet | 05/03/2024 14:07"));
  }
  // The text follows the header, without line numbers, and runs on to the second page.
  EXPECT_EQ(PageLines(pages[0])[2], QStringLiteral("sendln 'line 1'"));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("sendln 'line 100'")));
  EXPECT_FALSE(pages[0].contains(QStringLiteral("sendln 'line 100'")));
  // The editor looks as before: its line numbers are back.
  EXPECT_GT(memo1()->marginWidth(0), 0);
}

TEST_F(PrintingTest, AnUnsavedTablePrintsFileWithNothingAfterIt) {
  open("wait 'x'");
  ASSERT_EQ(window->document().fileName(), "");
  commands->PrintNow();
  const QStringList pages = PdfPages(printers.file);
  ASSERT_EQ(pages.size(), 1);
  const QStringList lines = PageLines(pages[0]);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], QStringLiteral("File: | Page 1 of 1"));
  EXPECT_EQ(lines[1], QStringLiteral("Macro: /Routers/telnet | 05/03/2024 14:07"));
  EXPECT_EQ(lines[2], QStringLiteral("wait 'x'"));
}

TEST_F(PrintingTest, TheEditorsTextPrintsAsItStandsWithUnappliedChanges) {
  open("wait 'old'");
  memo1()->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(memo1()->hasFocus());
  memo1()->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
  QTest::keyClicks(memo1()->viewport(), "\rsendln 'new'");
  ASSERT_TRUE(window->HasPendingEdits());
  commands->PrintNow();
  const QStringList lines = PageLines(PdfPages(printers.file).value(0));
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[2], QStringLiteral("wait 'old'"));
  EXPECT_EQ(lines[3], QStringLiteral("sendln 'new'"));
  EXPECT_EQ(window->tree().currentNode()->data.Macro, EncodeNodeText("wait 'old'", true));
  EXPECT_TRUE(window->HasPendingEdits());
}

TEST_F(PrintingTest, OnlyAColourPrinterGetsTheHighlightersColours) {
  const struct {
    bool colorPrinter;
    bool connectionColors;
    bool coloured;
  } cases[] = {{true, false, true}, {false, false, false}, {true, true, false}};
  const std::string macro = "connect 'host'\r\n; a comment line\r\nsendln 'user'\r\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "colour printer " << c.colorPrinter
                                      << ", connection colours " << c.connectionColors);
    open(macro);
    printers.color = c.colorPrinter;
    window->settingsPages().macroEditor().rbUseColorInEditor->setChecked(c.connectionColors);
    const long screenColour =
        memo1()->SendScintilla(QsciScintilla::SCI_STYLEGETFORE, 1UL);  // identifiers
    std::filesystem::remove(printers.file);
    commands->PrintNow();
    ASSERT_TRUE(printed());
    const QImage picture = PdfPicture(printers.file, folder.file("page"));
    ASSERT_FALSE(picture.isNull());
    if (c.coloured) {
      EXPECT_GT(ColouredPixels(picture), 20);
      // Commands in navy, comments in green, somewhere on the page.
      bool navy = false, green = false;
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
          const QColor p = picture.pixelColor(x, y);
          navy = navy || (p.blue() > p.red() + 60 && p.blue() > p.green() + 60);
          green = green || (p.green() > p.red() + 60 && p.green() > p.blue() + 60);
        }
      EXPECT_TRUE(navy);
      EXPECT_TRUE(green);
    } else {
      EXPECT_EQ(ColouredPixels(picture), 0);
    }
    // The text is there in every case.
    EXPECT_TRUE(PdfPages(printers.file).value(0).contains(QStringLiteral("sendln 'user'")));
    EXPECT_EQ(memo1()->SendScintilla(QsciScintilla::SCI_STYLEGETFORE, 1UL), screenColour);
  }
}

TEST_F(PrintingTest, TokensWithoutAColourOfTheirOwnPrintBlackOnAColourPrinter) {
  open("abc abc abc abc abc abc abc abc abc abc");
  // Identifiers without a colour of their own show in the editor's red text colour.
  TtlHighlighter& ttm = window->macroEditor().highlighter();
  TextAttribute identifier = ttm.attribute(IdentifierAttri);
  identifier.foreground = kNoColor;
  ttm.setAttribute(IdentifierAttri, identifier);
  ttm.setEditorColors(Qt::red, Qt::white);
  ASSERT_EQ(memo1()->SendScintilla(QsciScintilla::SCI_STYLEGETFORE, 1UL), 0x0000FF);
  commands->PrintNow();
  const QImage picture = PdfPicture(printers.file, folder.file("page"));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(ColouredPixels(picture), 0);
  EXPECT_TRUE(PdfPages(printers.file).value(0).contains(QStringLiteral("abc abc")));
  EXPECT_EQ(memo1()->SendScintilla(QsciScintilla::SCI_STYLEGETFORE, 1UL), 0x0000FF);
}

TEST_F(PrintingTest, PrintOpensTheDialogWithPrintToFileTicked) {
  open("wait 'x'");
  printDialogs.chosenFile = folder.file("chosen.pdf");
  const int counted = printers.counted;
  commands->Print();
  EXPECT_EQ(printers.counted, counted + 1);  // the printers were counted again
  EXPECT_EQ(printDialogs.opened, std::vector<std::string>{"print"});
  EXPECT_EQ(printDialogs.offeredFile, QDir::home().filePath(QStringLiteral("macro.pdf")));
  EXPECT_EQ(PageLines(PdfPages(folder.file("chosen.pdf")).value(0)).value(2),
            QStringLiteral("wait 'x'"));

  // The next time the dialog offers the file chosen before; Cancel prints nothing.
  std::filesystem::remove(folder.file("chosen.pdf"));
  printDialogs.accept = false;
  commands->Print();
  EXPECT_EQ(printDialogs.offeredFile, QString::fromStdString(folder.file("chosen.pdf")));
  EXPECT_FALSE(std::filesystem::exists(folder.file("chosen.pdf")));
  EXPECT_FALSE(printed());
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(PrintingTest, ThePrinterCountDecidesTheStatesAndWhetherCommandsAct) {
  const struct {
    int count;
    bool current;
    bool setup;
    bool ready;
    const char* hint;
  } cases[] = {{0, false, false, false, "No default printer."},
               {0, true, false, false, "No default printer."},
               {1, false, true, false, "No default printer."},
               {1, true, true, true, "Print"},
               {3, true, true, true, "Print"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.count << " printers, current " << c.current);
    printers.count = c.count;
    printers.current = c.current;
    open("wait 'x'");
    const PrintStates states = commands->states();
    EXPECT_EQ(states.printerSetup, c.setup);
    EXPECT_EQ(states.printerReady, c.ready);
    EXPECT_EQ(states.printHint, c.hint);
    EXPECT_EQ(commands->CheckPrinters(false), c.count > 0);
  }

  // Without printers no command does anything, and nothing is said.
  printers.count = 0;
  open("wait 'x'");
  commands->Print();
  commands->PrintNow();
  commands->Preview();
  commands->PrinterSetup();
  EXPECT_TRUE(printDialogs.opened.empty());
  EXPECT_FALSE(printed());
  EXPECT_FALSE(preview().isVisible());
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(PrintingTest, PrintingRecountsThePrintersThePreviewAndSetupDoNot) {
  open("wait 'x'");
  QSignalSpy changed(commands.data(), &PrintCommands::statesChanged);
  printers.count = 0;  // the printer went away since the last count
  commands->PrinterSetup();
  EXPECT_EQ(printDialogs.opened, std::vector<std::string>{"page setup"});
  EXPECT_EQ(changed.count(), 1);  // the window recomputes its states after the setup
  commands->Preview();
  EXPECT_TRUE(preview().isVisible());
  preview().close();

  commands->PrintNow();
  EXPECT_FALSE(printed());
  EXPECT_EQ(commands->printerCount(), 0);
  EXPECT_EQ(commands->states().printHint, "No default printer.");
  EXPECT_EQ(changed.count(), 2);

  // Activating the program counts again.
  printers.count = 1;
  EXPECT_TRUE(commands->RecheckOnActivation());
  EXPECT_EQ(commands->states().printHint, "Print");
  EXPECT_EQ(changed.count(), 3);
}

TEST_F(PrintingTest, APrinterThatCannotTakeTheJobIsReported) {
  open("wait 'x'");
  WriteFileBytes(folder.file("plain"), "a file where a folder must be");
  printers.file = folder.file("plain/printed.pdf");
  commands->PrintNow();
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{ErrorBox("Cannot print to " + printers.file)});
  EXPECT_EQ(ReadFileBytes(folder.file("plain")), "a file where a folder must be");
}

TEST_F(PrintingTest, ThePreviewShowsTheJobAndMovesThroughItsPages) {
  open(Lines(100));
  commands->Preview();
  PrintPreviewWindow& w = preview();
  ASSERT_TRUE(w.isVisible());
  EXPECT_EQ(w.objectName(), QStringLiteral("TTestPrintPreviewDlg"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Skelder Print Preview"));
  EXPECT_EQ(w.minimumSize(), QSize(620, 400));
  EXPECT_TRUE(w.isModal());
  EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(w.nodePanel->text(), QStringLiteral("Macro: /Routers/telnet"));
  EXPECT_EQ(w.pageCount(), 2);
  EXPECT_EQ(w.pagePanel->text(), QStringLiteral(" Page 1 of 2"));
  EXPECT_EQ(w.BtnPrint->toolTip(), QStringLiteral("Print"));
  EXPECT_EQ(w.BtnClose->text(), QStringLiteral("Close"));
  EXPECT_EQ(w.BtnClose->toolTip(), QStringLiteral("Close print preview"));

  auto buttons = [&w] {
    return std::vector<bool>{w.BtnFirst->isEnabled(), w.BtnPrevious->isEnabled(),
                             w.BtnNext->isEnabled(), w.BtnLast->isEnabled()};
  };
  EXPECT_EQ(buttons(), (std::vector<bool>{false, false, true, true}));
  w.BtnNext->click();
  EXPECT_EQ(w.currentPage(), 2);
  EXPECT_EQ(w.pagePanel->text(), QStringLiteral(" Page 2 of 2"));
  EXPECT_EQ(buttons(), (std::vector<bool>{true, true, false, false}));
  w.BtnFirst->click();
  EXPECT_EQ(w.currentPage(), 1);
  w.BtnLast->click();
  EXPECT_EQ(w.currentPage(), 2);
  w.BtnPrevious->click();
  EXPECT_EQ(w.pagePanel->text(), QStringLiteral(" Page 1 of 2"));

  // Shown again, the preview starts at the first page of the job as it is now.
  w.BtnLast->click();
  w.BtnClose->click();
  EXPECT_FALSE(w.isVisible());
  memo1()->setText("wait 'short'");
  commands->Preview();
  EXPECT_EQ(w.pagePanel->text(), QStringLiteral(" Page 1 of 1"));
  EXPECT_EQ(buttons(), (std::vector<bool>{false, false, false, false}));

  // Without a known printer the print button says so and the pages stay where they are.
  memo1()->setText(QString::fromStdString(Lines(100)));
  w.ShowPreview("/Routers/telnet", false);
  EXPECT_EQ(w.BtnPrint->toolTip(), QStringLiteral("No default printer"));
  EXPECT_EQ(w.pageCount(), 2);
  EXPECT_EQ(buttons(), (std::vector<bool>{false, false, false, false}));
  w.close();
}

TEST_F(PrintingTest, ThePreviewsPrintButtonPrintsTheJob) {
  open("wait 'x'");
  commands->Preview();
  preview().BtnPrint->click();
  const QStringList lines = PageLines(PdfPages(printers.file).value(0));
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[1], QStringLiteral("Macro: /Routers/telnet | 05/03/2024 14:07"));
  EXPECT_TRUE(preview().isVisible());
  preview().close();
}

TEST_F(PrintingTest, ClicksInThePreviewStepThroughTheZoomList) {
  open("wait 'x'");
  PrintPreviewWindow& w = preview();
  QStringList entries;
  for (int i = 0; i < w.CBScale->count(); ++i) entries << w.CBScale->itemText(i);
  EXPECT_EQ(entries, (QStringList{"Whole Page", "Page Width", "25%", "50%", "100%", "150%", "200%",
                                  "300%", "400%"}));
  EXPECT_EQ(w.CBScale->maxVisibleItems(), 9);
  EXPECT_EQ(commands->previewZoom(), 4);  // "100%" until the saved entry is given

  QSignalSpy zoomed(commands.data(), &PrintCommands::previewZoomChanged);
  commands->setPreviewZoom(0);
  commands->Preview();
  QWidget* view = w.SynEditPrintPreview->findChild<QGraphicsView*>()->viewport();
  EXPECT_EQ(w.SynEditPrintPreview->zoomMode(), QPrintPreviewWidget::FitInView);
  QTest::mouseClick(view, Qt::RightButton);
  EXPECT_EQ(w.zoomIndex(), 0);  // nothing below "Whole Page"
  QTest::mouseClick(view, Qt::LeftButton);
  EXPECT_EQ(w.CBScale->currentText(), QStringLiteral("Page Width"));
  EXPECT_EQ(w.SynEditPrintPreview->zoomMode(), QPrintPreviewWidget::FitToWidth);
  QTest::mouseClick(view, Qt::MiddleButton);
  EXPECT_EQ(w.zoomIndex(), 1);

  w.CBScale->setCurrentIndex(6);  // chosen from the list
  EXPECT_EQ(w.SynEditPrintPreview->zoomMode(), QPrintPreviewWidget::CustomZoom);
  EXPECT_DOUBLE_EQ(w.SynEditPrintPreview->zoomFactor(), 2.0);
  QTest::mouseClick(view, Qt::LeftButton);
  QTest::mouseClick(view, Qt::LeftButton);
  EXPECT_EQ(w.CBScale->currentText(), QStringLiteral("400%"));
  QTest::mouseClick(view, Qt::LeftButton);
  EXPECT_EQ(w.zoomIndex(), 8);  // nothing above "400%"
  QTest::mouseClick(view, Qt::RightButton);
  EXPECT_EQ(w.CBScale->currentText(), QStringLiteral("300%"));
  EXPECT_DOUBLE_EQ(w.SynEditPrintPreview->zoomFactor(), 3.0);

  // Each change was handed to the window, which keeps the last one for the next run.
  std::vector<int> handed;
  for (const QList<QVariant>& signal : zoomed) handed.push_back(signal.at(0).toInt());
  EXPECT_EQ(handed, (std::vector<int>{0, 1, 6, 7, 8, 7}));
  w.close();

  makeCommands();  // as after a restart with the saved entry
  commands->setPreviewZoom(handed.back());
  commands->Preview();
  EXPECT_EQ(preview().CBScale->currentText(), QStringLiteral("300%"));
  EXPECT_DOUBLE_EQ(preview().SynEditPrintPreview->zoomFactor(), 3.0);
  commands->setPreviewZoom(42);  // a saved value outside the list
  EXPECT_EQ(preview().CBScale->currentText(), QStringLiteral("100%"));
  preview().close();
}

}  // namespace skelder::testing
