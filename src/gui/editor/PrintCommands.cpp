#include "gui/editor/PrintCommands.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>

#include "core/base/UserDialogs.h"
#include "gui/editor/MacroPrinter.h"
#include "gui/editor/PrintDialogs.h"
#include "gui/editor/PrintPreviewWindow.h"
#include "gui/editor/PrinterCheck.h"
#include "gui/ui/LocalText.h"

namespace skelder {

PrintCommands::PrintCommands(PrintSource source, PrinterCheck& printers, PrintDialogs& printDialogs,
                             UserDialogs& dialogs, const Clock& clock, QWidget* window)
    : QObject(window),
      source_(std::move(source)),
      printers_(printers),
      printDialogs_(printDialogs),
      dialogs_(dialogs),
      window_(window),
      printer_(std::make_unique<MacroPrinter>(clock)),
      preview_(new PrintPreviewWindow(*printer_, window)),
      printFile_(QDir::home().filePath(QStringLiteral("macro.pdf"))) {
  connect(preview_, &PrintPreviewWindow::zoomIndexChanged, this,
          &PrintCommands::previewZoomChanged);
  connect(preview_, &PrintPreviewWindow::printRequested, this, [this] {
    if (!CheckPrinters(false)) return;
    printers_.SelectCurrentPrinter(*printer_);
    printJob();
  });
  CheckPrinters(true);
}

PrintCommands::~PrintCommands() { delete preview_.data(); }

bool PrintCommands::CheckPrinters(bool refresh) {
  if (refresh) {
    printerCount_ = printers_.CountPrinters();
    currentPrinter_ = printerCount_ > 0 && printers_.HasCurrentPrinter();
    emit statesChanged();
  }
  return printerCount_ > 0;
}

PrintStates PrintCommands::states() const {
  PrintStates s;
  s.printerSetup = printerCount_ > 0;
  s.printerReady = printerCount_ > 0 && currentPrinter_;
  s.printHint = s.printerReady ? "Print" : "No default printer.";
  return s;
}

bool PrintCommands::RecheckOnActivation() { return CheckPrinters(true); }

void PrintCommands::Print() {
  if (!CheckPrinters(true)) return;
  printers_.SelectCurrentPrinter(*printer_);
  // The dialog opens with its print-to-file box ticked.
  printer_->setOutputFileName(printFile_);
  if (!printDialogs_.print(*printer_, window_)) return;
  if (!printer_->outputFileName().isEmpty()) printFile_ = printer_->outputFileName();
  prepare();
  printJob();
}

void PrintCommands::PrintNow() {
  if (!CheckPrinters(true)) return;
  printers_.SelectCurrentPrinter(*printer_);
  prepare();
  printJob();
}

void PrintCommands::Preview() {
  if (!CheckPrinters(false)) return;
  prepare();
  preview_->ShowPreview(source_.nodePath ? source_.nodePath() : std::string(), printerCount_ > 0);
}

void PrintCommands::PrinterSetup() {
  if (!CheckPrinters(false)) return;
  printers_.SelectCurrentPrinter(*printer_);
  printDialogs_.pageSetup(*printer_, window_);
  emit statesChanged();
}

void PrintCommands::setPreviewZoom(int index) { preview_->setZoomIndex(index); }

int PrintCommands::previewZoom() const { return preview_->zoomIndex(); }

void PrintCommands::prepare() {
  if (printerCount_ == 0) return;
  MacroPrintJob job;
  job.editor = source_.editor;
  job.tableFile = source_.tableFile ? source_.tableFile() : std::string();
  job.nodePath = source_.nodePath ? source_.nodePath() : std::string();
  job.connectionColors = source_.connectionColors && source_.connectionColors();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  job.color = printers_.CurrentPrinterIsColor();
  QApplication::restoreOverrideCursor();
  printer_->Prepare(job);
}

void PrintCommands::printJob() {
  if (printer_->Print()) return;
  // The printer or the file could not take the job: said, rather than passed over.
  const QString target =
      printer_->outputFileName().isEmpty() ? printer_->printerName() : printer_->outputFileName();
  dialogs_.error("Cannot print to " + ToLocal(target));
}

}  // namespace skelder
