#pragma once
// "Check macro": the findings of the macro editor's macro in a list beside the window;
// choosing one puts the caret on it in the editor.
#include <QDialog>

class QListWidget;
class QsciScintilla;

namespace skelder {

class MacroCheckMarks;

class MacroCheckWindow : public QDialog {
  Q_OBJECT
 public:
  MacroCheckWindow(MacroCheckMarks& marks, QsciScintilla& editor, QWidget* parent);

  // Checks the macro now and shows the list.
  void ShowFindings();
  QListWidget& list() const { return *list_; }

 private:
  void fill();
  void jumpTo(int row);

  MacroCheckMarks& marks_;
  QsciScintilla& editor_;
  QListWidget* list_;
};

}  // namespace skelder
