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
#include <string>

class QLabel;
class QsciLexer;
class QsciScintilla;

namespace skelder {

class ConnectionTree;
class MacroEditorSettingsPage;

class EditorColoring : public QObject {
  Q_OBJECT
 public:
  // The options give the choice of colouring; the preview Memo3 of the "Highlighter" page
  // its colours; the tree the focused connection; the program folder Tera Term's settings.
  EditorColoring(QsciScintilla* editor, const MacroEditorSettingsPage& options,
                 QsciScintilla& preview, const ConnectionTree& tree, std::string programFolder);

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

  const MacroEditorSettingsPage& options_;
  const ConnectionTree& tree_;
  std::string programFolder_;
  QsciScintilla* editor_;
  QsciScintilla* preview_;
  QPointer<QsciLexer> highlighter_;
  QPointer<QLabel> notice_;  // goes with the settings page, which may go first
  QColor connectionBackground_;
  int gutterWidth_;
};

}  // namespace skelder
