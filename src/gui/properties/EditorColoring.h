#pragma once
// How the macro editor Memo1 is coloured. With "Syntax highlighting" the TTL highlighter
// colours the text over the background of the highlighter preview Memo3 and the line
// numbers show; with "Connection colors" the editor takes the normal text and background
// colours stored with the focused connection, without highlighter or line numbers, and a
// notice covers the "Highlighter" settings page. While the editor has the keyboard focus
// its caret line is highlighted.
#include <QColor>
#include <QObject>
#include <QPointer>

class QLabel;
class QsciLexer;
class QsciScintilla;

namespace skelder {

class MainWindow;

class EditorColoring : public QObject {
  Q_OBJECT
 public:
  EditorColoring(MainWindow& window, QsciScintilla* editor);

  void SetEditorColors();
  // The TTL highlighter plugs in here: it is attached to the editor whenever syntax
  // colouring is chosen. Until one is given the editor shows plain text in that mode.
  void setHighlighter(QsciLexer* highlighter);
  bool connectionColors() const;
  // The highlight of the caret line while the editor has the focus.
  QColor caretLineColor() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showNotice(bool shown);
  void showGutter(bool shown);

  MainWindow& window_;
  QsciScintilla* editor_;
  QsciScintilla* preview_;
  QPointer<QsciLexer> highlighter_;
  QLabel* notice_;
  QColor connectionBackground_;
  int gutterWidth_;
};

}  // namespace skelder
