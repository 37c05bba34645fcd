#pragma once
// The printing commands of the macro editor: "Print ..." with the print dialog, the print
// button that prints at once, "Printer setup ..." and the print preview. It keeps the
// printer count of the last printer check and tells the window which of the commands
// apply and what the print button's hint says.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "gui/editor/PrintPreviewWindow.h"

class QsciScintilla;
class QWidget;

namespace skelder {

class Clock;
class MacroPrinter;
class PrintDialogs;
class PrinterCheck;
class UserDialogs;

// What a job is made of, asked for anew at each print or preview.
struct PrintSource {
  QsciScintilla* editor = nullptr;         // the macro editor, unapplied changes and all
  std::function<std::string()> tableFile;  // the table's full path, empty when not yet saved
  std::function<std::string()> nodePath;   // of the CurrentNode
  std::function<bool()> connectionColors;  // the editor shows the connection's colours
};

// The states the window gives its printing commands.
struct PrintStates {
  bool printerSetup = false;  // "Printer setup ...": printers were found
  // Printers were found and a current printer is set: with a macro to print, the print
  // buttons (and the File menu's "Print preview" and "Print ...") apply.
  bool printerReady = false;
  std::string printHint;  // BtnPrint's hint: "Print" or "No default printer."
};

class PrintCommands : public QObject {
  Q_OBJECT
 public:
  // The window is the parent of the dialogs and of the preview window, which is made
  // here, once.
  PrintCommands(PrintSource source, PrinterCheck& printers, PrintDialogs& printDialogs,
                UserDialogs& dialogs, const Clock& clock, QWidget* window);
  ~PrintCommands() override;

  // The printer check: true when printers were found. With refresh the printers are
  // counted first.
  bool CheckPrinters(bool refresh);
  int printerCount() const { return printerCount_; }
  PrintStates states() const;
  // The activation's recount; the print buttons take its result alone.
  bool RecheckOnActivation();

  // "Print ...": the print dialog, then the job.
  void Print();
  // BtnPrint: the job on the current printer, without a dialog.
  void PrintNow();
  // "Print preview" and BtnPrintPreview.
  void Preview();
  // "Printer setup ...".
  void PrinterSetup();

  // The zoom entry of the preview (the "PrintPreviewScale" setting).
  void setPreviewZoom(int index);
  int previewZoom() const;

  MacroPrinter& printer() const { return *printer_; }
  PrintPreviewWindow& previewWindow() const { return *preview_; }

 signals:
  // After every printer check with refresh and after "Printer setup ...": the window
  // recomputes its command states.
  void statesChanged();
  // The preview's zoom entry changed; the window keeps it for the settings.
  void previewZoomChanged(int index);

 private:
  void prepare();
  void printJob();

  PrintSource source_;
  PrinterCheck& printers_;
  PrintDialogs& printDialogs_;
  UserDialogs& dialogs_;
  QWidget* window_;
  std::unique_ptr<MacroPrinter> printer_;
  QPointer<PrintPreviewWindow> preview_;  // the window's child, gone with it
  QString printFile_;                     // what the print dialog offers to print to
  int printerCount_ = 0;
  bool currentPrinter_ = false;
};

}  // namespace skelder
