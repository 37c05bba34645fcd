#include "gui/editor/QtPrinterCheck.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace skelder {

int QtPrinterCheck::CountPrinters() {
  return static_cast<int>(QPrinterInfo::availablePrinterNames().size());
}

bool QtPrinterCheck::HasCurrentPrinter() { return !QPrinterInfo::defaultPrinterName().isEmpty(); }

bool QtPrinterCheck::CurrentPrinterIsColor() {
  const QPrinterInfo current = QPrinterInfo::defaultPrinter();
  return !current.isNull() && current.defaultColorMode() == QPrinter::Color;
}

void QtPrinterCheck::SelectCurrentPrinter(QPrinter& printer) {
  // A file chosen in the print dialog before is no longer the target.
  printer.setOutputFileName(QString());
  printer.setOutputFormat(QPrinter::NativeFormat);
  printer.setPrinterName(QPrinterInfo::defaultPrinterName());
}

}  // namespace skelder
