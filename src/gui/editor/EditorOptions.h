#pragma once
// The options of the editors: Tab handling of the macro editor ("Macro Editor" settings
// page), the editor font and the menu font, and the display of special characters.
#include <QObject>

#include "core/app/Settings.h"

class QMenuBar;
class QPushButton;
class QsciScintilla;

namespace skelder {

class MacroEditorSettingsPage;
class TtlHighlighter;
struct ProgramServices;

// The controls the options act on.
struct EditorOptionsControls {
  QsciScintilla& macro;    // Memo1
  QsciScintilla& popup;    // Memo2
  QsciScintilla& preview;  // Memo3 of the "Highlighter" page
  QMenuBar& menus;
  MacroEditorSettingsPage& page;  // the "Macro Editor" settings page
  QPushButton& menuFont;          // Button4 of the "General" page
};

class EditorOptions : public QObject {
  Q_OBJECT
 public:
  EditorOptions(const EditorOptionsControls& controls, TtlHighlighter& ttm,
                const ProgramServices& services, QObject* parent);

  void ShowSettings(const Settings& settings);
  void ReadSettings(Settings& settings) const;

  // Button3: the editor font for the macro editor, the preview and, by name, the popup
  // editor. Button4: the font of the menus.
  void ChangeEditorFont();
  void ChangeMenuFont();
  // Spaces, tabs and line ends shown as marks in the macro editor and the preview.
  void ShowSpecialChars(bool shown);
  // A toggle by the user is stored at once.
  void StoreShowSpecialChars(bool shown);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void applyTabOptions();
  void applyEditorFonts();
  void applyMenuFont();

  EditorOptionsControls controls_;
  const ProgramServices& services_;
  TtlHighlighter& ttm_;
  FontSetting editorFont_;
  FontSetting popupFont_;
  FontSetting menuFont_;
};

}  // namespace skelder
