#include "gui/properties/SchedulePage.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/base/UserDialogs.h"
#include "core/properties/ScheduleFields.h"
#include "gui/properties/PendingEdits.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"

namespace skelder {

SchedulePage::SchedulePage(PendingEdits& pending, UserDialogs& dialogs, QWidget* parent)
    : CoverablePage("TS4Panel", parent), pending_(pending), dialogs_(dialogs) {
  setContent(buildControls());
  for (int i = 0; i < 5; ++i) {
    QLineEdit* field = scheduleFields[static_cast<size_t>(i)];
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, i] { userChanged(i); });
  }
  connect(cbSchedule, &QCheckBox::clicked, this, [this] { SetScheduleEnabled(true); });
  connect(bValidate, &QPushButton::clicked, this, [this] { Verify(true); });
}

QWidget* SchedulePage::buildControls() {
  auto* schedule = new QWidget;
  auto* s = new QVBoxLayout(schedule);
  cbSchedule = Named(new QCheckBox(QStringLiteral("Execute according to schedule")), "cbSchedule");
  s->addWidget(cbSchedule);
  auto* form = new QFormLayout;
  const char* fieldNames[] = {"edtMinute", "edtHour", "edtDayOfMonth", "edtMonth", "edtDayOfWeek"};
  const char* fieldLabels[] = {"Minute (0..59) :", "Hour (0..23) :", "Day of the month (1..31) :",
                               "Month (1..12) :", "Day of the week (1..7) :"};
  for (size_t i = 0; i < scheduleFields.size(); ++i) {
    scheduleFields[i] = Named(new QLineEdit, fieldNames[i]);
    form->addRow(QLatin1String(fieldLabels[i]), scheduleFields[i]);
  }
  s->addLayout(form);
  bValidate = Named(new QPushButton(QStringLiteral("Verify values")), "bValidate");
  s->addWidget(bValidate, 0, Qt::AlignLeft);
  s->addWidget(new QLabel(QStringLiteral(
      "Enter numeric values separated by commas or star to\nrepresent all possible values. No "
      "spaces are allowed.\nFor week days 1=Monday ... 7=Sunday")));
  auto* note = new QLabel(QStringLiteral(
      "NOTE: To be able running macros according to the schedule make sure Skelder application "
      "is executed and appears iconized in Windows system tray."));
  note->setWordWrap(true);
  s->addWidget(note);
  s->addStretch();
  return schedule;
}

bool SchedulePage::scheduled() const { return cbSchedule->isChecked(); }

std::array<std::string, 5> SchedulePage::fields() const {
  std::array<std::string, 5> texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = ToLocal(scheduleFields[i]->text());
  return texts;
}

void SchedulePage::Load(const std::string& schedule) {
  cbSchedule->setChecked(schedule.rfind('=', 0) == 0);
  SetScheduleEnabled(false);
  if (scheduled()) {
    const auto texts = LoadScheduleFields(schedule);
    for (size_t i = 0; i < texts.size(); ++i) scheduleFields[i]->setText(FromLocal(texts[i]));
  }
  bValidate->setEnabled(false);
}

void SchedulePage::SetScheduleEnabled(bool byUser) {
  const bool on = scheduled();
  for (QLineEdit* field : scheduleFields) {
    field->setEnabled(on);
    if (!on)
      field->clear();
    else if (field->text().trimmed().isEmpty())
      field->setText(QStringLiteral("*"));
  }
  bValidate->setEnabled(on);
  if (byUser) {
    pending_.set(true);
    emit statesChanged();
  }
}

void SchedulePage::ValidateField(int field, int& corrections) {
  QLineEdit* edit = scheduleFields.at(static_cast<size_t>(field - 1));
  const std::string corrected =
      ValidateScheduleField(ToLocal(edit->text()), static_cast<ScheduleField>(field), corrections);
  edit->setText(FromLocal(corrected));
}

int SchedulePage::Verify(bool byButton) {
  int corrections = 0;
  for (int field = 1; field <= 5; ++field) ValidateField(field, corrections);
  if (byButton) {
    dialogs_.messageBox(MessageKind::Information, MessageButtons::Ok,
                        VerificationMessage(corrections));
    bValidate->setEnabled(false);
    emit statesChanged();
  }
  return corrections;
}

void SchedulePage::userChanged(int field) {
  QLineEdit* edit = scheduleFields.at(static_cast<size_t>(field));
  if (edit->text().contains(QLatin1Char('*')) && edit->text() != QLatin1String("*")) {
    edit->setText(QStringLiteral("*"));
    edit->setCursorPosition(1);
  }
  bValidate->setEnabled(true);
  pending_.set(true);
  emit statesChanged();
}

// Typed characters other than digits, "*", "," and backspace are dropped; a field left
// empty becomes "*".
bool SchedulePage::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (!field) return false;
  if (event->type() == QEvent::KeyPress) {
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.size() == 1 && text[0].isPrint() && !QStringLiteral("0123456789*,").contains(text[0]))
      return true;
  } else if (event->type() == QEvent::FocusOut && field->text().isEmpty() && field->isEnabled()) {
    field->setText(QStringLiteral("*"));
  }
  return false;
}

}  // namespace skelder
