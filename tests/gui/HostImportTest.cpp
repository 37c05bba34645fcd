#include <QLineEdit>
#include <QRadioButton>

#include "MainWindowFixture.h"
#include "gui/tree/HostImportCommand.h"
#include "gui/tree/HostImportDialog.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {
namespace {

const char kConfig[] =
    "Host web\n"
    "  HostName web.example.com\n"
    "  User ann\n"
    "Host *.internal\n"
    "  User x\n"
    "Host db\n"
    "  HostName 10.0.0.5\n"
    "  Port 2222\n";

class HostImportTest : public MainWindowFixture {
 protected:
  std::string config() {
    const std::string path = folder.file("ssh_config");
    WriteFileBytes(path, kConfig);
    return path;
  }
};

}  // namespace

TEST_F(HostImportTest, TheHostsBecomeAFolderOfConnectionsAndTheTableIsModified) {
  MainWindow& w = createShown();
  const std::string path = config();
  w.hostImport().chooseSource = [path] { return std::optional<std::string>(path); };
  w.commands().importHosts->trigger();
  TreeNode* computer = w.tree().computerNode();
  ASSERT_EQ(computer->childCount(), 1);
  TreeNode* imported = computer->child(0);
  EXPECT_EQ(imported->data.Name, "OpenSSH ssh_config");
  EXPECT_EQ(ChildNames(imported), (std::vector<std::string>{"web", "db"}));
  EXPECT_TRUE(w.document().modified());
  EXPECT_EQ(w.windowTitle(), "Skelder Configuration - [Noname.SKD*]");
  ASSERT_EQ(dialogs.boxes().size(), 1u);
  const RecordedBox& box = dialogs.boxes()[0];
  EXPECT_EQ(box.kind, "information");
  EXPECT_EQ(
      box.text.substr(0, box.text.find('\r')),
      "2 hosts taken from OpenSSH's client configuration " + path + " into \"OpenSSH ssh_config\"");
  EXPECT_NE(box.text.find("\r\nskipped *.internal: "), std::string::npos);
}

TEST_F(HostImportTest, AMissingFileIsToldAndChangesNothing) {
  MainWindow& w = createShown();
  const std::string missing = folder.file("no_such_config");
  w.hostImport().ImportFrom(missing);
  ASSERT_EQ(dialogs.boxes().size(), 1u);
  EXPECT_EQ(dialogs.boxes()[0].kind, "error");
  EXPECT_NE(dialogs.boxes()[0].text.find("no_such_config"), std::string::npos);
  EXPECT_EQ(w.tree().computerNode()->childCount(), 0);
  EXPECT_FALSE(w.document().modified());
}

TEST_F(HostImportTest, CancelImportsNothingAndTheDialogNamesItsSource) {
  MainWindow& w = createShown();
  w.hostImport().chooseSource = [] { return std::optional<std::string>(); };
  w.commands().importHosts->trigger();
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_EQ(w.tree().computerNode()->childCount(), 0);

  HostImportDialog dialog(dialogs, "/home/ann", &w);
  EXPECT_EQ(dialog.source(), "/home/ann/.ssh/config");
  dialog.rbPutty->setChecked(true);
  EXPECT_EQ(dialog.source(), "putty");
  EXPECT_FALSE(dialog.edtConfigFile->isEnabled());
}

}  // namespace skelder::testing
