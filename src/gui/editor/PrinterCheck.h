#pragma once
// What the print commands ask about the system's printers. The program's one uses the
// printers Qt knows (QtPrinterCheck); tests fake "no printer" or "one colour printer".
class QPrinter;

namespace skelder {

class PrinterCheck {
 public:
  virtual ~PrinterCheck() = default;

  // The printers the system knows now.
  virtual int CountPrinters() = 0;
  // Whether a current printer is set: a default printer exists.
  virtual bool HasCurrentPrinter() = 0;
  // Whether the current printer prints in colour by default.
  virtual bool CurrentPrinterIsColor() = 0;
  // Points a printer at the current printer, for a job printed without the print dialog.
  virtual void SelectCurrentPrinter(QPrinter& printer) = 0;
};

}  // namespace skelder
