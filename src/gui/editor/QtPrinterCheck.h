#pragma once
// The printers Qt Print Support knows: the CUPS queues on Linux, the spooler's printers on
// Windows; the current printer is the system's default printer.
#include "gui/editor/PrinterCheck.h"

namespace skelder {

class QtPrinterCheck : public PrinterCheck {
 public:
  int CountPrinters() override;
  bool HasCurrentPrinter() override;
  bool CurrentPrinterIsColor() override;
  void SelectCurrentPrinter(QPrinter& printer) override;
};

}  // namespace skelder
