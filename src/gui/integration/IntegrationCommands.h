#pragma once
// The window's ties to the system and its information windows: the "Info ..." and
// "About Skelder" commands, and the two boxes of the "General" page that associate
// table files with the program and start the tray companion at logon. Neither box is a
// setting of the program: both show what the system holds when the window is created
// and write it there when clicked.
#include <QObject>
#include <string>

namespace skelder {

class AboutWindow;
class ConnectionTree;
class InformationWindow;
class GeneralPage;
class TableDocument;
struct ProgramServices;

class IntegrationCommands : public QObject {
  Q_OBJECT
 public:
  // The boxes are those of the "General" page; the windows open over the given window.
  IntegrationCommands(const ConnectionTree& tree, const TableDocument& document,
                      GeneralPage& settings, const ProgramServices& services, QWidget* window);

  // The information window, filled for the table as it is now, shown modally.
  void ShowInformation();
  void ShowAbout();
  // "TeraTerm configuration": "Backup" and "Restore".
  void BackupTeraTermConfig();
  void RestoreTeraTermConfig();
  // Whether a backup exists to restore (read from the settings).
  bool backupPresent() const;

  InformationWindow& informationWindow() const { return *information_; }
  AboutWindow& aboutWindow() const { return *about_; }

  // The table files' extension, as the system's shell registers it.
  static constexpr const char* kTableExtension = "skd";

 signals:
  // A backup was made: "Restore" has something to restore.
  void backupMade();

 private:
  void readShellState();
  void associateClicked(bool ticked);
  void runOnStartClicked(bool ticked);
  std::string companionPath() const;

  const ConnectionTree& tree_;
  const TableDocument& document_;
  GeneralPage& settings_;
  const ProgramServices& services_;
  InformationWindow* information_;
  AboutWindow* about_;
};

}  // namespace skelder
