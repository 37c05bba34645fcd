#include <QComboBox>
#include <QRadioButton>

#include "MainWindowFixture.h"
#include "gui/properties/SettingsPages.h"

namespace skelder::testing {

using SettingsBinding = MainWindowFixture;

TEST_F(SettingsBinding, AFirstRunShowsTheFirstRunDefaults) {
  auto& window = create();
  auto* pages = window.findChild<SettingsPages*>("SettingsPages");
  EXPECT_EQ(pages->cbUpdateInterval->currentText(), "never");
  EXPECT_EQ(pages->cbDefColors->currentIndex(), 7);
  EXPECT_FALSE(pages->rbLog->isChecked());
  EXPECT_FALSE(pages->rbDontLog->isChecked());
  EXPECT_FALSE(pages->cbAutoSave->isChecked());
  EXPECT_EQ(pages->CBSpacePerTAB->currentText(), "6");
  EXPECT_EQ(pages->CBDelay->currentText(), "5");
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
  EXPECT_EQ(pages->edtName->text(), "Ann");
  EXPECT_EQ(pages->edtPager->text(), "42");
  EXPECT_EQ(pages->CBDelay->currentText(), "7");
  EXPECT_TRUE(pages->cbAutoSave->isChecked());
  EXPECT_TRUE(pages->rbLog->isChecked());
  EXPECT_FALSE(pages->rbDontLog->isChecked());
  EXPECT_TRUE(pages->rbUseColorInEditor->isChecked());
  EXPECT_FALSE(pages->rbSyntax->isChecked());
  EXPECT_EQ(pages->CBSpacePerTAB->currentText(), "8");
  // The "Enable TABs" handler ran: the tab options are available.
  EXPECT_TRUE(pages->cbTAB2Space->isEnabled());
  EXPECT_TRUE(pages->CBSpacePerTAB->isEnabled());
  EXPECT_EQ(pages->cbDefColors->currentIndex(), 2);
  EXPECT_EQ(pages->cbUpdateInterval->currentText(), "every 3 days");
  EXPECT_EQ(pages->cbDoubleClickAction->currentText(), "show desktop");
  EXPECT_FALSE(window.HasPendingEdits());  // loading marks nothing as modified

  pages->edtEmail->setText("ann@example.org");
  pages->cbAllowTAB->setChecked(false);
  EXPECT_FALSE(pages->cbSmartTAB->isEnabled());
  pages->CBDelay->setCurrentIndex(28);
  pages->rbDontLog->setChecked(true);
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
  EXPECT_EQ(pages->cbDoubleClickAction->count(), 6);
  EXPECT_EQ(pages->cbDoubleClickAction->itemText(5), "lock the screen (W2K and XP)");
  EXPECT_EQ(pages->cbAssociateExt->text(), "Associate extention SKD with Skelder");
}

}  // namespace skelder::testing
