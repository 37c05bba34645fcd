#include <QPrinterInfo>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {

using PrintWiring = MainWindowFixture;

// Without a printer the printing commands are off and the print button says why.
TEST_F(PrintWiring, WithoutAPrinterThePrintCommandsAreDisabledWithTheHint) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has printers";
  WriteFileBytes(folder.file("tt/ttermpro.exe"), "MZ");
  auto& window = create();
  selectNodes({addConnection("Router", nullptr, "connect 'router'")});
  window.ShowPage(1);
  window.RefreshCommandsNow();
  QApplication::processEvents();
  const Commands& c = window.commands();
  EXPECT_TRUE(c.run->isEnabled());
  EXPECT_FALSE(c.print->isEnabled());
  EXPECT_FALSE(c.printPreview->isEnabled());
  EXPECT_FALSE(c.printerSetup->isEnabled());
  auto* button = window.findChild<QToolButton*>("BtnPrint");
  ASSERT_TRUE(button);
  EXPECT_FALSE(button->isEnabled());
  EXPECT_EQ(button->toolTip().toStdString(), "No default printer.");
}

}  // namespace skelder::testing
