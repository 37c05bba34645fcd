#pragma once
// The macro check in the macro editor: shortly after each change the editor's macro is
// checked, each finding is underlined with a squiggle (red for an error, orange for a
// warning) and marked in the symbol margin, and resting the mouse on it shows its
// message. Typing is never held up: the check waits for a pause.
#include <QObject>
#include <QTimer>
#include <vector>

#include "core/check/MacroFinding.h"

class QsciScintilla;

namespace skelder {

class KeywordStore;

class MacroCheckMarks : public QObject {
  Q_OBJECT
 public:
  MacroCheckMarks(QsciScintilla& editor, const KeywordStore& keywords, QObject* parent);

  // Checks the text now and marks what it finds.
  void CheckNow();
  const std::vector<MacroFinding>& findings() const { return findings_; }
  // The message of the finding at the editor position; empty where there is none.
  QString messageAt(int position) const;
  // The pause after a change before the check runs.
  QTimer& pause() { return pause_; }

 signals:
  void findingsChanged();

 private:
  void mark();
  void showMessage(int position, int x, int y);

  QsciScintilla& editor_;
  const KeywordStore& keywords_;
  QTimer pause_;
  std::vector<MacroFinding> findings_;
};

}  // namespace skelder
