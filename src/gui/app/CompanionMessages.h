#pragma once
// The main window's side of the messages exchanged with the tray companion and with a
// second start of the program: "SkeldercMessage" (wake up and offer the handed-over
// file), "SkeldercStopMessage" (close) and "SkeldercCheckUpgrade" (check for updates).
#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

namespace skelder {

class BroadcastListener;
class MainWindow;

class CompanionMessages : public QObject {
  Q_OBJECT
 public:
  // listener: one that has been listening since start-up (taken over), or null for one of
  // its own.
  CompanionMessages(MainWindow& window, BroadcastListener* listener);

  static std::vector<std::string> MessageNames();
  // Once the window is made: the messages kept since start-up arrive when the loop turns.
  void StartReceiving();

  void Received(const QString& name);
  // Restores a minimized window, else brings it to the front.
  void BringToFront();
  // While it runs, further wake-ups are ignored.
  QTimer* Timer2() const { return timer2_; }

 private:
  void wakeUp();
  void stop();

  MainWindow& window_;
  QTimer* timer2_;
  BroadcastListener* listener_;
};

}  // namespace skelder
