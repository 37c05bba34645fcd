#pragma once
// The "Schedule" page's behaviour: the five fields take digits, "*" and "," only, a star
// makes the whole field "*", an emptied field becomes "*" when left, "Verify values"
// corrects all five, and "Execute according to schedule" enables them.
#include <QObject>
#include <array>
#include <string>

namespace skelder {

class PendingEdits;
class UserDialogs;
struct ConnectionPages;

class SchedulePage : public QObject {
  Q_OBJECT
 public:
  SchedulePage(ConnectionPages& pages, PendingEdits& pending, UserDialogs& dialogs,
               QObject* parent);

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

 signals:
  void statesChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void userChanged(int field);

  ConnectionPages& pages_;
  PendingEdits& pending_;
  UserDialogs& dialogs_;
};

}  // namespace skelder
