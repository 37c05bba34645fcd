#include "gui/properties/SettingsPages.h"

#include <algorithm>

#include "gui/editor/HighlighterPage.h"

namespace skelder {

SettingsPages::SettingsPages(QWidget* parent)
    : QTabWidget(parent),
      general_(new GeneralPage),
      userData_(new UserDataPage),
      macroEditor_(new MacroEditorSettingsPage),
      newConnections_(new NewConnectionsPage) {
  setObjectName(QStringLiteral("SettingsPages"));
  addTab(general_, QStringLiteral("General"));
  addTab(userData_, QStringLiteral("User Data"));
  addTab(macroEditor_, QStringLiteral("Macro Editor"));
  addTab(newConnections_, QStringLiteral("New Connections"));
}

void SettingsPages::setHighlighterPage(HighlighterPage* page) {
  highlighter_ = page;
  const bool blocked = blockSignals(true);
  insertTab(3, page, QStringLiteral("Highlighter"));
  setCurrentIndex(0);
  blockSignals(blocked);
}

void SettingsPages::ShowSettings(const Settings& settings) {
  userData_->Show(settings);
  general_->Show(settings);
  macroEditor_->Show(settings);
  newConnections_->Show(settings);
}

void SettingsPages::ReadSettings(Settings& settings) const {
  userData_->Read(settings);
  general_->Read(settings);
  macroEditor_->Read(settings);
  newConnections_->Read(settings);
}

QWidget* SettingsPages::firstControl(int page) const {
  QWidget* first[] = {general_->cbDoubleClickAction, userData_->edtName, macroEditor_->cbNoColors,
                      highlighter_ ? static_cast<QWidget*>(highlighter_->Elements) : nullptr,
                      newConnections_->rbLog};
  return first[std::clamp(page, 0, 4)];
}

}  // namespace skelder
