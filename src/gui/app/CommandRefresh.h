#pragma once
// Brings the commands of the main window in line with its state: takes a picture of the
// window, works out the states and writes them into the actions and buttons.
namespace skelder {

class MainWindow;
struct WindowState;

class CommandRefresh {
 public:
  explicit CommandRefresh(MainWindow& window) : window_(window) {}

  void Refresh();
  WindowState Picture() const;

 private:
  MainWindow& window_;
};

}  // namespace skelder
