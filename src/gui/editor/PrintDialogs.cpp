#include "gui/editor/PrintDialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>

namespace skelder {

bool PrintDialogs::print(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog.exec() == QDialog::Accepted;
}

bool PrintDialogs::pageSetup(QPrinter& printer, QWidget* parent) {
  QPageSetupDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace skelder
