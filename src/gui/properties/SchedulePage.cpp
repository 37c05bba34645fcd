#include "gui/properties/SchedulePage.h"

#include <QKeyEvent>

#include "core/base/UserDialogs.h"
#include "core/properties/ScheduleFields.h"
#include "gui/properties/ConnectionPages.h"
#include "gui/properties/PendingEdits.h"
#include "gui/ui/LocalText.h"

namespace skelder {

SchedulePage::SchedulePage(ConnectionPages& pages, PendingEdits& pending, UserDialogs& dialogs,
                           QObject* parent)
    : QObject(parent), pages_(pages), pending_(pending), dialogs_(dialogs) {
  for (int i = 0; i < 5; ++i) {
    QLineEdit* field = pages_.scheduleFields[static_cast<size_t>(i)];
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, i] { userChanged(i); });
  }
  connect(pages_.cbSchedule, &QCheckBox::clicked, this, [this] { SetScheduleEnabled(true); });
  connect(pages_.bValidate, &QPushButton::clicked, this, [this] { Verify(true); });
}

bool SchedulePage::scheduled() const { return pages_.cbSchedule->isChecked(); }

std::array<std::string, 5> SchedulePage::fields() const {
  std::array<std::string, 5> texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = ToLocal(pages_.scheduleFields[i]->text());
  return texts;
}

void SchedulePage::Load(const std::string& schedule) {
  pages_.cbSchedule->setChecked(schedule.rfind('=', 0) == 0);
  SetScheduleEnabled(false);
  if (scheduled()) {
    const auto texts = LoadScheduleFields(schedule);
    for (size_t i = 0; i < texts.size(); ++i)
      pages_.scheduleFields[i]->setText(FromLocal(texts[i]));
  }
  pages_.bValidate->setEnabled(false);
}

void SchedulePage::SetScheduleEnabled(bool byUser) {
  const bool on = scheduled();
  for (QLineEdit* field : pages_.scheduleFields) {
    field->setEnabled(on);
    if (!on)
      field->clear();
    else if (field->text().trimmed().isEmpty())
      field->setText(QStringLiteral("*"));
  }
  pages_.bValidate->setEnabled(on);
  if (byUser) {
    pending_.set(true);
    emit statesChanged();
  }
}

void SchedulePage::ValidateField(int field, int& corrections) {
  QLineEdit* edit = pages_.scheduleFields.at(static_cast<size_t>(field - 1));
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
    pages_.bValidate->setEnabled(false);
    emit statesChanged();
  }
  return corrections;
}

void SchedulePage::userChanged(int field) {
  QLineEdit* edit = pages_.scheduleFields.at(static_cast<size_t>(field));
  if (edit->text().contains(QLatin1Char('*')) && edit->text() != QLatin1String("*")) {
    edit->setText(QStringLiteral("*"));
    edit->setCursorPosition(1);
  }
  pages_.bValidate->setEnabled(true);
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
