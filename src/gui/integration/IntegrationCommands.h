#pragma once
// The window's ties to the system and its information windows: the "Info ..." and
// "About Skelder" commands, and the two boxes of the "General" page that associate
// table files with the program and start the tray companion at logon. Neither box is a
// setting of the program: both show what the system holds when the window is created
// and write it there when clicked.
#include <QObject>
#include <string>

namespace skelder {

class MainWindow;
class InformationWindow;
class AboutWindow;

class IntegrationCommands : public QObject {
  Q_OBJECT
 public:
  explicit IntegrationCommands(MainWindow& window);

  // The information window, filled for the table as it is now, shown modally.
  void ShowInformation();
  void ShowAbout();

  InformationWindow& informationWindow() const { return *information_; }
  AboutWindow& aboutWindow() const { return *about_; }

  // The table files' extension, as the system's shell registers it.
  static constexpr const char* kTableExtension = "skd";

 private:
  void readShellState();
  void associateClicked(bool ticked);
  void runOnStartClicked(bool ticked);
  std::string companionPath() const;

  MainWindow& window_;
  InformationWindow* information_;
  AboutWindow* about_;
};

}  // namespace skelder
