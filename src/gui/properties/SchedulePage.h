#pragma once
// The "Schedule" page's behaviour: the five fields take digits, "*" and "," only, a star
// makes the whole field "*", an emptied field becomes "*" when left, "Verify values"
// corrects all five, and "Execute according to schedule" enables them.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "gui/properties/CoverablePage.h"

namespace skelder {

class PendingEdits;
class UserDialogs;

class SchedulePage : public CoverablePage {
  Q_OBJECT
 public:
  SchedulePage(PendingEdits& pending, UserDialogs& dialogs, QWidget* parent);

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

  QCheckBox* cbSchedule;
  std::array<QLineEdit*, 5> scheduleFields;  // edtMinute, edtHour, edtDayOfMonth, edtMonth,
                                             // edtDayOfWeek
  QPushButton* bValidate;

 signals:
  void statesChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildControls();
  void userChanged(int field);

  PendingEdits& pending_;
  UserDialogs& dialogs_;
};

}  // namespace skelder
