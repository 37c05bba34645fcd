#pragma once
// The "Highlighter" settings page: thirteen elements, the nine attributes of TTM and the
// four colours of the editor itself, each with its style check boxes and its colour;
// Reset to defaults; and the preview Memo3, which shows them all and whose colours the
// macro editor takes.
#include <QObject>
#include <cstdint>

#include "core/app/Settings.h"

class QsciScintilla;

namespace skelder {

class EditorColoring;
class SettingsPages;
class TtlHighlighter;
class UserDialogs;

class HighlighterPage : public QObject {
  Q_OBJECT
 public:
  // The page's controls are those of the settings pages; the macro editor takes the
  // preview's colours through its colouring.
  HighlighterPage(SettingsPages& page, QsciScintilla& macroEditor, EditorColoring& coloring,
                  TtlHighlighter& ttm, UserDialogs& dialogs, QObject* parent);

  // The four editor colours of the settings into the preview, and back.
  void ShowColors(const Settings& settings);
  void ReadColors(Settings& settings) const;
  // The macro editor takes the preview's colours; the preview selects its fourth line and
  // the page its first element.
  void Prepare();

  void SelectElement(int index);
  void ChangeColor();
  void ResetToDefaults();

 private:
  void styleClicked(int bit, bool on);
  void showPreviewColors();
  void copyColorsToMacroEditor();
  void selectPreviewLine();
  std::uint32_t* editorColor(int element);

  SettingsPages& page_;
  QsciScintilla& macroEditor_;
  EditorColoring& coloring_;
  UserDialogs& dialogs_;
  TtlHighlighter& ttm_;
  // Background, active line, selection text and selection background, as stored.
  std::uint32_t background_ = kWindowColor;
  std::uint32_t activeLine_ = kYellow;
  std::uint32_t selectionForeground_ = kHighlightTextColor;
  std::uint32_t selectionBackground_ = kHighlightColor;
  std::uint32_t dialogColor_ = 0;  // where the colour dialog starts
};

}  // namespace skelder
