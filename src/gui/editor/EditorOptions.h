#pragma once
// The options of the editors: Tab handling of the macro editor ("Macro Editor" settings
// page), the editor font and the menu font, and the display of special characters.
#include <QObject>

#include "core/app/Settings.h"

class QsciScintilla;

namespace skelder {

class MainWindow;
class TtlHighlighter;

class EditorOptions : public QObject {
  Q_OBJECT
 public:
  EditorOptions(MainWindow& window, TtlHighlighter& ttm);

  void ShowSettings(const Settings& settings);
  void ReadSettings(Settings& settings) const;

  // Button3: the editor font for the macro editor, the preview and, by name, the popup
  // editor. Button4: the font of the menus.
  void ChangeEditorFont();
  void ChangeMenuFont();
  // Spaces, tabs and line ends shown as marks in the macro editor and the preview.
  void ShowSpecialChars(bool shown);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void applyTabOptions();
  void applyEditorFonts();
  void applyMenuFont();

  MainWindow& window_;
  TtlHighlighter& ttm_;
  FontSetting editorFont_;
  FontSetting popupFont_;
  FontSetting menuFont_;
};

}  // namespace skelder
