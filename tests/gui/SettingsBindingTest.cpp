#include <QComboBox>
#include <QRadioButton>

#include "MainWindowFixture.h"
#include "gui/properties/SettingsPages.h"

namespace skelder::testing {

using SettingsBinding = MainWindowFixture;

TEST_F(SettingsBinding, AFirstRunShowsTheFirstRunDefaults) {
  auto& window = create();
  auto* pages = window.findChild<SettingsPages*>("SettingsPages");
  EXPECT_EQ(pages->general().cbUpdateInterval->currentText(), "never");
  EXPECT_EQ(pages->newConnections().cbDefColors->currentIndex(), 7);
  EXPECT_FALSE(pages->newConnections().rbLog->isChecked());
  EXPECT_FALSE(pages->newConnections().rbDontLog->isChecked());
  EXPECT_FALSE(pages->general().cbAutoSave->isChecked());
  EXPECT_EQ(pages->macroEditor().CBSpacePerTAB->currentText(), "6");
  EXPECT_EQ(pages->general().CBDelay->currentText(), "5");
  EXPECT_EQ(window.width(), window.minimumWidth());
  EXPECT_EQ(window.height(), window.minimumHeight());
}

TEST_F(SettingsBinding, StoredValuesReachTheControlsAndComeBackWhenSaved) {
  auto k = key();
  k->writeString("VarName", "Ann");
  k->writeString("VarPager", "42");
  k->writeString("MultiStartInterval", "7");
  k->writeInteger("AutoSave", 1);
  k->writeInteger("Logging", 1);
  k->writeInteger("AllowTAB", 1);
  k->writeInteger("SpacePerTAB", 6);
  k->writeInteger("DefaultColors", 2);
  k->writeInteger("CheckUpdateInterval", 1);
  k->writeInteger("DblClickAction", 3);
  k->writeInteger("UseColorsInEditor", 1);
  auto& window = create();
  auto* pages = window.findChild<SettingsPages*>("SettingsPages");
  EXPECT_EQ(pages->userData().edtName->text(), "Ann");
  EXPECT_EQ(pages->userData().edtPager->text(), "42");
  EXPECT_EQ(pages->general().CBDelay->currentText(), "7");
  EXPECT_TRUE(pages->general().cbAutoSave->isChecked());
  EXPECT_TRUE(pages->newConnections().rbLog->isChecked());
  EXPECT_FALSE(pages->newConnections().rbDontLog->isChecked());
  EXPECT_TRUE(pages->macroEditor().rbUseColorInEditor->isChecked());
  EXPECT_FALSE(pages->macroEditor().rbSyntax->isChecked());
  EXPECT_EQ(pages->macroEditor().CBSpacePerTAB->currentText(), "8");
  // The "Enable TABs" handler ran: the tab options are available.
  EXPECT_TRUE(pages->macroEditor().cbTAB2Space->isEnabled());
  EXPECT_TRUE(pages->macroEditor().CBSpacePerTAB->isEnabled());
  EXPECT_EQ(pages->newConnections().cbDefColors->currentIndex(), 2);
  EXPECT_EQ(pages->general().cbUpdateInterval->currentText(), "every 3 days");
  EXPECT_EQ(pages->general().cbDoubleClickAction->currentText(), "show desktop");
  EXPECT_FALSE(window.HasPendingEdits());  // loading marks nothing as modified

  pages->userData().edtEmail->setText("ann@example.org");
  pages->macroEditor().cbAllowTAB->setChecked(false);
  EXPECT_FALSE(pages->macroEditor().cbSmartTAB->isEnabled());
  pages->general().CBDelay->setCurrentIndex(28);
  pages->newConnections().rbDontLog->setChecked(true);
  window.Shutdown();
  auto saved = key();
  EXPECT_EQ(saved->readString("VarEmail"), "ann@example.org");
  EXPECT_EQ(saved->readInteger("AllowTAB"), 0);
  EXPECT_EQ(saved->readString("MultiStartInterval"), "30");
  EXPECT_EQ(saved->readInteger("Logging"), 0);
  EXPECT_EQ(saved->readInteger("DblClickAction"), 3);
}

TEST_F(SettingsBinding, TheCygwinActionNeedsCygterm) {
  auto& window = create();
  auto* pages = window.findChild<SettingsPages*>("SettingsPages");
  // No cygterm.exe in the folder: the list ends with the lock entry.
  EXPECT_EQ(pages->general().cbDoubleClickAction->count(), 6);
  EXPECT_EQ(pages->general().cbDoubleClickAction->itemText(5), "lock the screen (W2K and XP)");
  EXPECT_EQ(pages->general().cbAssociateExt->text(), "Associate extention SKD with Skelder");
}

}  // namespace skelder::testing
