#pragma once
// The "Schedule" page's behaviour: the five fields take digits, "*" and "," only, a star
// makes the whole field "*", an emptied field becomes "*" when left, "Verify values"
// corrects all five, and "Execute according to schedule" enables them.
#include <QObject>
#include <array>
#include <string>

namespace skelder {

class MainWindow;
struct ConnectionPages;

class SchedulePage : public QObject {
  Q_OBJECT
 public:
  SchedulePage(MainWindow& window, ConnectionPages& pages);

  // Shows a node's schedule string ("=" and five fields, or no schedule).
  void Load(const std::string& schedule);
  // The fields enabled exactly while the schedule is ticked; byUser: the click counts as
  // the user's edit.
  void SetScheduleEnabled(bool byUser);
  // Corrects all five fields; returns the number of corrections. byButton: the button
  // was clicked, so the result is shown.
  int Verify(bool byButton);
  // The field's text corrected in place (as after pasting into it).
  void ValidateField(int field, int& corrections);
  bool scheduled() const;
  std::array<std::string, 5> fields() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void userChanged(int field);

  MainWindow& window_;
  ConnectionPages& pages_;
};

}  // namespace skelder
