#pragma once
// The "Highlighter" settings page: thirteen elements, the nine attributes of TTM and the
// four colours of the editor itself, each with its style check boxes and its colour;
// Reset to defaults; and the preview Memo3, which shows them all and whose colours the
// macro editor takes.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <cstdint>

#include "core/app/Settings.h"

class QsciScintilla;

namespace skelder {

class TtlHighlighter;
class UserDialogs;

class HighlighterPage : public QWidget {
  Q_OBJECT
 public:
  // The macro editor takes the preview's selection colours; its background follows
  // through its colouring, told by macroEditorColorsChanged.
  HighlighterPage(TtlHighlighter& ttm, QsciScintilla& macroEditor, UserDialogs& dialogs,
                  QWidget* parent = nullptr);

  // The four editor colours of the settings into the preview, and back.
  void ShowColors(const Settings& settings);
  void ReadColors(Settings& settings) const;
  // The macro editor takes the preview's colours; the preview selects its fourth line and
  // the page its first element.
  void Prepare();

  void SelectElement(int index);
  void ChangeColor();
  void ResetToDefaults();

  QListWidget* Elements;
  QCheckBox* cbElemBold;
  QCheckBox* cbElemItalic;
  QCheckBox* cbElemUnderline;
  QPushButton* btnChangeTTMColors;
  QPushButton* Button2;
  QsciScintilla* Memo3;

 signals:
  void macroEditorColorsChanged();

 private:
  void buildControls();
  void styleClicked(int bit, bool on);
  void showPreviewColors();
  void copyColorsToMacroEditor();
  void selectPreviewLine();
  std::uint32_t* editorColor(int element);

  QsciScintilla& macroEditor_;
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
