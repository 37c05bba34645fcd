#pragma once
// A main window over a Tera Term folder of its own, with a real settings file, fake
// platform services and scripted dialogs. The folder holds the program's keyword file.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <memory>

#include "core/app/SettingsStorage.h"
#include "core/tree/NodeTextEncoding.h"
#include "gui/app/MainWindow.h"
#include "platform/posix/FileSettingsStore.h"
#include "support/FakePlatform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {

// A table without connections: the signature and a node count of 0.
inline const std::string kEmptyTable("SKD21\0\0\0\0", 9);

class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture() {
    std::filesystem::create_directory(folder.file("tt"));
    std::filesystem::copy_file(SKELDER_SOURCE_DIR "/data/KeyFile.ini",
                               folder.file("tt/KeyFile.ini"));
    auto* settings = new FileSettingsStore(folder.file("cfg/Skelder.reg"));
    store = settings;
    platform.settings.reset(settings);
    auto* sender = new FakeBroadcaster;
    broadcaster = sender;
    platform.broadcaster.reset(sender);
    auto* flagSet = new FakeFlags;
    flags = flagSet;
    platform.flags.reset(flagSet);
    auto* programs = new FakeStarter;
    starter = programs;
    platform.starter.reset(programs);
    platform.system = std::make_unique<FakeSystem>();
  }
  ~MainWindowFixture() override {
    window.reset();
    EXPECT_FALSE(dialogs.answersLeft()) << "queued answers were not used";
  }

  MainWindow& create(std::vector<std::string> arguments = {}) {
    window.reset();  // the old window still uses the old context
    if (!arguments.empty()) WriteParamName(*store, arguments[0]);
    context = std::make_unique<ProgramContext>(
        ProgramContext{platform, dialogs, folder.file("tt") + "/", arguments});
    window = std::make_unique<MainWindow>(*context);
    return *window;
  }
  // The window created and shown, as the user sees it.
  MainWindow& createShown(std::vector<std::string> arguments = {}) {
    create(std::move(arguments));
    window->show();
    return *window;
  }
  std::unique_ptr<RegistryKey> key() { return store->openKey(kSettingsKeyPath, true); }
  // A connection appended below the parent (the ComputerNode when none), which is expanded.
  TreeNode* addConnection(const std::string& name, TreeNode* parent = nullptr,
                          const std::string& macro = "") {
    ConnectionTree& tree = window->tree();
    if (!parent) parent = tree.computerNode();
    rVTNodeData data;
    data.Name = name;
    data.Level = parent->data.Level + 1;
    data.Macro = EncodeNodeText(macro, true);
    TreeNode* node = tree.appendChild(parent, data);
    tree.setExpanded(parent, true);
    return node;
  }
  // The nodes selected, the last one focused and current, and the pages showing it.
  void selectNodes(const std::vector<TreeNode*>& nodes) {
    ConnectionTree& tree = window->tree();
    tree.clearSelection();
    for (TreeNode* node : nodes) tree.setSelected(node, true);
    tree.setFocusedNode(nodes.back());
    tree.setCurrentNode(nodes.back());
    window->ShowNodeProperties();
  }
  // The nodes selected as above, the tree holding the keyboard focus (the tree's commands
  // need it) and the command states brought up to date.
  void focusTree(const std::vector<TreeNode*>& nodes) {
    selectNodes(nodes);
    window->findChild<QTreeView*>("VT")->setFocus();
    window->RefreshCommandsNow();
    QApplication::processEvents();
  }
  // As the user does it: the command once it is available (the refresh may be deferred).
  static void trigger(QAction* action) {
    for (int i = 0; i < 200 && !action->isEnabled(); ++i) QTest::qWait(10);
    ASSERT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    action->trigger();
  }
  static std::vector<std::string> ChildNames(const TreeNode* node) {
    std::vector<std::string> names;
    for (TreeNode* c = node->firstChild(); c; c = c->nextSibling()) names.push_back(c->data.Name);
    return names;
  }
  std::string table(const std::string& name, const std::string& bytes = kEmptyTable) {
    const std::string path = folder.file(name);
    WriteFileBytes(path, bytes);
    return path;
  }

  TempFolder folder;
  Platform platform;
  FileSettingsStore* store;
  FakeBroadcaster* broadcaster;
  FakeFlags* flags;
  FakeStarter* starter;
  ScriptedDialogs dialogs;
  std::unique_ptr<ProgramContext> context;
  std::unique_ptr<MainWindow> window;
};

}  // namespace skelder::testing
