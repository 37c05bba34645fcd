#pragma once
// The status bar SBar with its eight panels: last updated, caret position, pending edits,
// insert mode, and the three lock keys, then an empty one.
#include <QLabel>
#include <QStatusBar>
#include <array>

class QsciScintilla;

namespace skelder {

class StatusPanels : public QStatusBar {
  Q_OBJECT
 public:
  explicit StatusPanels(QWidget* parent = nullptr);

  // Panel n, counted from 1 as the status bar's panels are.
  QLabel* panel(int number) const { return panels_.at(static_cast<size_t>(number - 1)); }
  QString text(int number) const { return panel(number)->text(); }
  // Writes the panel only when the text differs.
  void setText(int number, const QString& text);

  // Panel 2: "Ln. n, Col. m" at the editor's caret; empty without an editor.
  void showCaretPosition(const QsciScintilla* editor);
  // Panel 3: "Modified" while the pages hold edits not applied.
  void showPendingEdits(bool pending);
  // Panel 4: "INS" or "OVR" while a control that types text has the focus.
  void showInsertMode(bool typing, bool insert);
  // Panels 5 to 7: the lock keys that are on.
  void showLockKeys(bool num, bool caps, bool scroll);

 private:
  std::array<QLabel*, 8> panels_{};
};

}  // namespace skelder
