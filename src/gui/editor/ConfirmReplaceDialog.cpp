#include "gui/editor/ConfirmReplaceDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/editor/SearchState.h"
#include "gui/ui/LocalText.h"

namespace skelder {

ConfirmReplaceDialog::ConfirmReplaceDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TConfirmReplaceDialog"));
  setWindowTitle(QStringLiteral("Confirm replace"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* image = new QLabel;
  image->setObjectName(QStringLiteral("Image1"));
  image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  top->addWidget(image, 0, Qt::AlignTop);
  lblConfirmation = new QLabel;
  lblConfirmation->setObjectName(QStringLiteral("lblConfirmation"));
  lblConfirmation->setWordWrap(true);
  top->addWidget(lblConfirmation, 1);
  layout->addLayout(top);
  auto* buttons = new QHBoxLayout;
  const struct {
    const char* name;
    const char* caption;
    ReplaceAnswer answer;
  } choices[] = {{"btnReplace", "&Yes", ReplaceAnswer::Replace},
                 {"btnSkip", "&No", ReplaceAnswer::Skip},
                 {"btnCancel", "Cancel", ReplaceAnswer::Cancel},
                 {"btnReplaceAll", "Yes to &all", ReplaceAnswer::ReplaceAll}};
  for (const auto& choice : choices) {
    auto* button = new QPushButton(QLatin1String(choice.caption));
    button->setObjectName(QLatin1String(choice.name));
    if (choice.answer == ReplaceAnswer::Replace) button->setDefault(true);
    connect(button, &QPushButton::clicked, this, [this, answer = choice.answer] {
      answer_ = answer;
      answer == ReplaceAnswer::Cancel ? reject() : accept();
    });
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  resize(360, sizeHint().height());
}

ReplaceAnswer ConfirmReplaceDialog::Ask(const QString& searchText) {
  lblConfirmation->setText(FromLocal(ConfirmReplaceText(ToLocal(searchText))));
  answer_ = ReplaceAnswer::Cancel;  // closing the box ends the run too
  exec();
  return answer_;
}

}  // namespace skelder
