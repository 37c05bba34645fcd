// The print commands against a real print spooler: the private cupsd that
// scripts/cups-queue.sh starts (scripts/test.sh does, naming its folder in
// SKELDER_CUPS_FOLDER), with one PDF queue from cups-pdf; and against no spooler at all.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/base/Clock.h"
#include "gui/editor/PrintCommands.h"
#include "gui/editor/PrintDialogs.h"
#include "gui/editor/QtPrinterCheck.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace {

namespace fs = std::filesystem;

// The spooler the process talks to, set before Qt or CUPS first look for printers: CUPS
// keeps the first one it was given, so a process serves one spooler (ctest runs every
// test in a process of its own). False when another one was chosen before.
bool UseSpooler(const std::string& socket, const std::string& clientFolder) {
  static std::string chosen;
  if (!chosen.empty()) return chosen == socket;
  chosen = socket;
  setenv("CUPS_SERVER", socket.c_str(), 1);
  setenv("CUPS_SERVERROOT", clientFolder.c_str(), 1);
  unsetenv("PRINTER");  // these would name another default printer
  unsetenv("LPDEST");
  return true;
}

QApplication& Application() {
  static int argc = 1;
  static char name[] = "system_tests";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication application(argc, argv);
  return application;
}

// The print and printer setup dialogs must not open: they would wait for a person.
class NoPrintDialogs : public PrintDialogs {
 public:
  bool print(QPrinter&, QWidget*) override {
    ADD_FAILURE() << "the print dialog opened";
    return false;
  }
  bool pageSetup(QPrinter&, QWidget*) override {
    ADD_FAILURE() << "the printer setup dialog opened";
    return false;
  }
};

// The print commands over an editor holding the macro, for "/Routers/telnet" of a saved
// table.
struct PrintingSetup {
  explicit PrintingSetup(const char* macro) {
    Application();
    editor = std::make_unique<QsciScintilla>();
    editor->setText(QString::fromLatin1(macro));
    PrintSource source;
    source.editor = editor.get();
    source.tableFile = [] { return std::string("/home/user/net.skd"); };
    source.nodePath = [] { return std::string("/Routers/telnet"); };
    source.connectionColors = [] { return false; };
    commands =
        std::make_unique<PrintCommands>(source, printers, printDialogs, dialogs, clock, nullptr);
  }

  QtPrinterCheck printers;
  NoPrintDialogs printDialogs;
  ScriptedDialogs dialogs;
  FixedClock clock{LocalTime{2024, 3, 5, 14, 7, 9, 0, 2}};
  std::unique_ptr<QsciScintilla> editor;
  std::unique_ptr<PrintCommands> commands;
};

std::vector<fs::path> PdfFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".pdf") files.push_back(entry.path());
  return files;
}

QString PdfText(const fs::path& file) {
  QProcess tool;
  tool.start(
      QStringLiteral("pdftotext"),
      {QStringLiteral("-layout"), QString::fromStdString(file.string()), QStringLiteral("-")});
  tool.waitForFinished(30000);
  return tool.exitCode() == 0 ? QString::fromUtf8(tool.readAllStandardOutput()) : QString();
}

}  // namespace

TEST(CupsPrinting, AJobFromThePrintButtonArrivesThroughTheQueue) {
  const char* folder = std::getenv("SKELDER_CUPS_FOLDER");
  if (!folder || !*folder) {
    const char* reason = std::getenv("SKELDER_CUPS_UNAVAILABLE");
    GTEST_SKIP() << (reason ? std::string(reason)
                            : std::string("no private print spooler: scripts/test.sh starts one"
                                          " with scripts/cups-queue.sh"));
  }
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext (poppler-utils) is needed to read the printout";
  const fs::path spooler = folder;
  ASSERT_TRUE(UseSpooler((spooler / "cups.sock").string(), (spooler / "client").string()));
  PrintingSetup setup("connect 'host'\r\nsendln 'through the queue'\r\n");

  EXPECT_EQ(setup.printers.CountPrinters(), 1);
  EXPECT_TRUE(setup.printers.HasCurrentPrinter());
  const PrintStates states = setup.commands->states();
  EXPECT_TRUE(states.printerSetup);
  EXPECT_TRUE(states.printerReady);
  EXPECT_EQ(states.printHint, "Print");

  const fs::path out = spooler / "pdf";
  const auto before = PdfFiles(out);
  setup.commands->PrintNow();
  EXPECT_TRUE(setup.dialogs.boxes().empty());

  // The spooler converts the job and cups-pdf writes the file: wait for it to be whole.
  QString text;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
  while (text.isEmpty() && std::chrono::steady_clock::now() < deadline) {
    QThread::msleep(250);
    for (const fs::path& file : PdfFiles(out))
      if (std::find(before.begin(), before.end(), file) == before.end()) text = PdfText(file);
  }
  ASSERT_FALSE(text.isEmpty()) << "no PDF arrived in " << out;
  EXPECT_TRUE(text.contains(QStringLiteral("File: /home/user/net.skd"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of 1"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Macro: /Routers/telnet"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("sendln 'through the queue'"))) << text.toStdString();
}

TEST(CupsPrinting, WithoutASpoolerNoPrinterIsFoundAndTheCommandsRest) {
  TempFolder nowhere;
  fs::create_directory(nowhere.file("client"));
  if (!UseSpooler(nowhere.file("no-spooler.sock"), nowhere.file("client")))
    GTEST_SKIP() << "this process already talks to a spooler; the test runs in one of its own";
  PrintingSetup setup("sendln 'x'\r\n");

  EXPECT_EQ(setup.printers.CountPrinters(), 0);
  EXPECT_FALSE(setup.printers.HasCurrentPrinter());
  EXPECT_FALSE(setup.commands->CheckPrinters(true));
  const PrintStates states = setup.commands->states();
  EXPECT_FALSE(states.printerSetup);
  EXPECT_FALSE(states.printerReady);
  EXPECT_EQ(states.printHint, "No default printer.");
  // The commands do nothing, say nothing, and open no dialog (which would wait here).
  setup.commands->Print();
  setup.commands->PrintNow();
  setup.commands->PrinterSetup();
  setup.commands->Preview();
  EXPECT_FALSE(setup.commands->previewWindow().isVisible());
  EXPECT_TRUE(setup.dialogs.boxes().empty());
}

}  // namespace skelder::testing
