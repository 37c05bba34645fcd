#pragma once
// The modal dialogs of Qt Print Support that the print commands open: the print dialog and
// the printer setup dialog. Tests answer them through a subclass instead, so that no
// modal dialog ever waits for a person.
class QPrinter;
class QWidget;

namespace skelder {

class PrintDialogs {
 public:
  virtual ~PrintDialogs() = default;

  // The print dialog on the printer, with its print-to-file box offered; true on OK.
  virtual bool print(QPrinter& printer, QWidget* parent);
  // The printer setup dialog on the printer; true on OK.
  virtual bool pageSetup(QPrinter& printer, QWidget* parent);
};

}  // namespace skelder
