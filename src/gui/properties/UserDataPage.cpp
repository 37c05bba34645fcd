#include "gui/properties/UserDataPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"
#include "gui/ui/PageNote.h"

namespace skelder {

UserDataPage::UserDataPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral(" User specific key words: "));
  auto* form = new QFormLayout(group);
  edtName = Named(new QLineEdit, "edtName");
  edtEmail = Named(new QLineEdit, "edtEmail");
  edtPhone = Named(new QLineEdit, "edtPhone");
  edtMobile = Named(new QLineEdit, "edtMobile");
  edtPager = Named(new QLineEdit, "edtPager");
  form->addRow(QStringLiteral("Name ($name$) :"), edtName);
  form->addRow(QStringLiteral("E-mail ($email$) :"), edtEmail);
  form->addRow(QStringLiteral("Phone ($phone$) :"), edtPhone);
  form->addRow(QStringLiteral("Mobile ($mobile$) :"), edtMobile);
  form->addRow(QStringLiteral("Pager ($pager$) :"), edtPager);
  layout->addWidget(group);
  layout->addStretch();
}

void UserDataPage::Show(const Settings& s) {
  edtName->setText(FromLocal(s.varName));
  edtEmail->setText(FromLocal(s.varEmail));
  edtPhone->setText(FromLocal(s.varPhone));
  edtMobile->setText(FromLocal(s.varMobile));
  edtPager->setText(FromLocal(s.varPager));
}

void UserDataPage::Read(Settings& s) const {
  s.varName = ToLocal(edtName->text());
  s.varEmail = ToLocal(edtEmail->text());
  s.varPhone = ToLocal(edtPhone->text());
  s.varMobile = ToLocal(edtMobile->text());
  s.varPager = ToLocal(edtPager->text());
}

}  // namespace skelder
