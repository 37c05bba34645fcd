#pragma once
// The printing component of the macro editor: a QsciPrinter that prints an editor's text
// as it stands, with the fixed job settings (PrintJobSettings) and the two header lines
// above the text of every page. The header's page count is known before the first page
// is drawn: the pages are counted in a pass that only lays the text out.
#include <Qsci/qsciprinter.h>

#include <string>

#include "core/base/Clock.h"
#include "core/editor/PrintHeader.h"
#include "core/editor/PrintJobSettings.h"

class QsciScintilla;

namespace skelder {

// What one job prints: set before each print or preview.
struct MacroPrintJob {
  QsciScintilla* editor = nullptr;  // its text, font, tab width and highlighter
  std::string tableFile;            // the table's full path, empty for a table not yet saved
  std::string nodePath;             // "/Routers/telnet"
  bool color = false;               // the highlighter's colours on paper
  bool connectionColors = false;    // the editor shows a connection's colours: no highlighting
};

class MacroPrinter : public QsciPrinter {
 public:
  explicit MacroPrinter(const Clock& clock);

  // Takes the job and builds its header anew.
  void Prepare(const MacroPrintJob& job);
  const MacroPrintJob& job() const { return job_; }
  const PrintHeader& header() const { return header_; }
  static const PrintJobSettings& Settings();

  // Prints all pages of the prepared job on this printer (or into the preview that has
  // asked for them). False when there was nothing to print or the printer failed.
  bool Print();
  // The pages of the last job printed.
  int pageCount() const { return pageCount_; }

  // "$DATE$" and "$TIME$" of a moment, in the short formats of the program's locale.
  static QString DateText(const LocalTime& time);
  static QString TimeText(const LocalTime& time);

 protected:
  void formatPage(QPainter& painter, bool drawing, QRect& area, int pageNumber) override;

 private:
  int countPages(QPainter& painter);
  double pixels(double millimetres) const;

  const Clock& clock_;
  MacroPrintJob job_;
  PrintHeader header_;
  PrintPage page_;
  int pageCount_ = 0;
};

}  // namespace skelder
