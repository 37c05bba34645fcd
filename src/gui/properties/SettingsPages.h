#pragma once
// The "Settings" page of the main window: five sub-pages, each holding its controls and
// its part of the settings record ("General", "User Data", "Macro Editor", "Highlighter",
// "New Connections"). ShowSettings puts a record into the controls (setting a check box
// runs its handler as a click would); ReadSettings writes the controls' values back into
// a record, leaving the values that no control shows as they are.
#include <QTabWidget>

#include "core/app/Settings.h"
#include "gui/properties/GeneralPage.h"
#include "gui/properties/MacroEditorSettingsPage.h"
#include "gui/properties/NewConnectionsPage.h"
#include "gui/properties/UserDataPage.h"

namespace skelder {

class HighlighterPage;

class SettingsPages : public QTabWidget {
  Q_OBJECT
 public:
  explicit SettingsPages(QWidget* parent = nullptr);

  // The "Highlighter" page works with the highlighter and the macro editor, so it comes
  // when they exist; it is the fourth.
  void setHighlighterPage(HighlighterPage* page);

  void ShowSettings(const Settings& settings);
  void ReadSettings(Settings& settings) const;

  GeneralPage& general() const { return *general_; }
  UserDataPage& userData() const { return *userData_; }
  MacroEditorSettingsPage& macroEditor() const { return *macroEditor_; }
  HighlighterPage& highlighter() const { return *highlighter_; }
  NewConnectionsPage& newConnections() const { return *newConnections_; }

  // What the other parts of the window read, as the controls show it now.
  bool colorsDisabled() const { return macroEditor_->colorsDisabled(); }
  bool sameBackground() const { return macroEditor_->sameBackground(); }
  bool colorsInEditor() const { return macroEditor_->colorsInEditor(); }
  bool autoSave() const { return general_->cbAutoSave->isChecked(); }
  bool logNewConnections() const { return newConnections_->logNewConnections(); }
  int defaultSchema() const { return newConnections_->defaultSchema(); }
  // Seconds between the starts of "Run all selected".
  int multiStartDelay() const { return general_->CBDelay->currentIndex(); }
  // The control a sub-page gives the focus to first.
  QWidget* firstControl(int page) const;

 private:
  GeneralPage* general_;
  UserDataPage* userData_;
  MacroEditorSettingsPage* macroEditor_;
  HighlighterPage* highlighter_ = nullptr;
  NewConnectionsPage* newConnections_;
};

}  // namespace skelder
