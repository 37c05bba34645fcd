#include "gui/properties/GeneralPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/app/SettingsStorage.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"
#include "gui/ui/PageNote.h"

namespace skelder {

GeneralPage::GeneralPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QFormLayout;
  cbDoubleClickAction = Named(new QComboBox, "cbDoubleClickAction");
  for (const auto& action : DoubleClickActions()) cbDoubleClickAction->addItem(FromLocal(action));
  top->addRow(QStringLiteral("On double click at Tray Icon"), cbDoubleClickAction);
  cbUpdateInterval = Named(new QComboBox, "cbUpdateInterval");
  cbUpdateInterval->addItems(
      {"every day", "every 3 days", "every 7 days", "every 14 days", "every 30 days", "never"});
  top->addRow(QStringLiteral("Check for updated versions"), cbUpdateInterval);
  layout->addLayout(top);
  cbSelectlast = Named(
      new QCheckBox(QStringLiteral("Auto select last executed connection in Configuration window")),
      "cbSelectlast");
  cbAutoSave =
      Named(new QCheckBox(QStringLiteral("Save changes on Close without prompting")), "cbAutoSave");
  cbRunOnStart = Named(new QCheckBox(QStringLiteral("Run at log on to Windows")), "cbRunOnStart");
  cbAssociateExt =
      Named(new QCheckBox(QStringLiteral("Associate extention SKD with ")), "cbAssociateExt");
  cbRunOnStart->setEnabled(false);
  cbAssociateExt->setEnabled(false);
  for (QWidget* w : {static_cast<QWidget*>(cbSelectlast), static_cast<QWidget*>(cbAutoSave),
                     static_cast<QWidget*>(cbRunOnStart), static_cast<QWidget*>(cbAssociateExt)})
    layout->addWidget(w);

  auto* runAll = new QGroupBox(QStringLiteral(" 'Run all selected' options: "));
  auto* runLayout = new QVBoxLayout(runAll);
  auto* delayRow = new QHBoxLayout;
  CBDelay = Named(new QComboBox, "CBDelay");
  for (int seconds = 2; seconds <= 30; ++seconds) CBDelay->addItem(QString::number(seconds));
  CBDelay->setCurrentIndex(3);
  delayRow->addWidget(new QLabel(QStringLiteral("Time delay")));
  delayRow->addWidget(CBDelay);
  delayRow->addWidget(new QLabel(QStringLiteral("sec.")));
  delayRow->addStretch();
  runLayout->addLayout(delayRow);
  cbDoNotTile = Named(new QCheckBox(QStringLiteral("Do not tile")), "cbDoNotTile");
  cbDoNotPrompt =
      Named(new QCheckBox(QStringLiteral("Do not prompt on disconnect")), "cbDoNotPrompt");
  runLayout->addWidget(cbDoNotTile);
  runLayout->addWidget(cbDoNotPrompt);
  layout->addWidget(runAll);

  auto* menu = new QGroupBox(QStringLiteral(" Menu properties: "));
  auto* menuLayout = new QVBoxLayout(menu);
  cbFullPathMRU =
      Named(new QCheckBox(QStringLiteral("Show full path in the most recently used file list")),
            "cbFullPathMRU");
  Button4 = Named(new QPushButton(QStringLiteral("Change Font...")), "Button4");
  Button4->setEnabled(false);
  menuLayout->addWidget(cbFullPathMRU);
  menuLayout->addWidget(Button4, 0, Qt::AlignLeft);
  menuLayout->addWidget(
      Note(QStringLiteral("NOTE: This font will appear in Skelder popup menu and in the main menu "
                          "of Skelder Configuration window.")));
  layout->addWidget(menu);
  layout->addStretch();
  connect(cbFullPathMRU, &QCheckBox::toggled, this, &GeneralPage::fullPathMRUChanged);
}

void GeneralPage::Show(const Settings& s) {
  CBDelay->setCurrentIndex(s.delayIndex);
  cbSelectlast->setChecked(s.selectLast);
  cbAutoSave->setChecked(s.autoSave);
  cbDoNotTile->setChecked(s.doNotTile);
  cbDoNotPrompt->setChecked(s.doNotPrompt);
  cbDoubleClickAction->setCurrentIndex(s.dblClickAction);
  cbFullPathMRU->setChecked(s.fullPathMRU);
  emit fullPathMRUChanged(s.fullPathMRU);
  cbUpdateInterval->setCurrentIndex(s.checkUpdateInterval);
}

void GeneralPage::Read(Settings& s) const {
  s.delayIndex = CBDelay->currentIndex();
  s.selectLast = cbSelectlast->isChecked();
  s.autoSave = cbAutoSave->isChecked();
  s.doNotTile = cbDoNotTile->isChecked();
  s.doNotPrompt = cbDoNotPrompt->isChecked();
  s.dblClickAction = cbDoubleClickAction->currentIndex();
  s.fullPathMRU = cbFullPathMRU->isChecked();
  s.checkUpdateInterval = cbUpdateInterval->currentIndex();
}

void GeneralPage::TrimDoubleClickActions(bool cygwin, bool lockScreen) {
  if (!cygwin && cbDoubleClickAction->count() > 6) cbDoubleClickAction->removeItem(6);
  if (!lockScreen && cbDoubleClickAction->count() > 5) cbDoubleClickAction->removeItem(5);
  if (cbDoubleClickAction->currentIndex() < 0) cbDoubleClickAction->setCurrentIndex(0);
}

std::vector<std::string> GeneralPage::doubleClickEntries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < cbDoubleClickAction->count(); ++i)
    entries.push_back(ToLocal(cbDoubleClickAction->itemText(i)));
  return entries;
}

}  // namespace skelder
