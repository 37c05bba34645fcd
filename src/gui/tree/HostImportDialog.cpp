#include "gui/tree/HostImportDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/base/UserDialogs.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"

namespace skelder {

HostImportDialog::HostImportDialog(UserDialogs& dialogs, const std::string& homeFolder,
                                   QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("HostImportDialog"));
  setWindowTitle(QStringLiteral("Import hosts"));
  auto* layout = new QVBoxLayout(this);
  rbOpenSsh = Named(new QRadioButton(QStringLiteral("OpenSSH client configuration")), "rbOpenSsh");
  rbPutty = Named(new QRadioButton(QStringLiteral("PuTTY saved sessions")), "rbPutty");
  rbOpenSsh->setChecked(true);
  edtConfigFile = Named(new QLineEdit(FromLocal(homeFolder + "/.ssh/config")), "edtConfigFile");
  auto* browse = Named(new QPushButton(QStringLiteral("Browse...")), "btnBrowseConfig");
  auto* row = new QHBoxLayout;
  row->addSpacing(16);
  row->addWidget(edtConfigFile, 1);
  row->addWidget(browse);
  layout->addWidget(rbOpenSsh);
  layout->addLayout(row);
  layout->addWidget(rbPutty);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(browse, &QPushButton::clicked, this, &HostImportDialog::browse);
  connect(rbOpenSsh, &QRadioButton::toggled, edtConfigFile, &QWidget::setEnabled);
  connect(rbOpenSsh, &QRadioButton::toggled, browse, &QWidget::setEnabled);
}

std::string HostImportDialog::source() const {
  return rbPutty->isChecked() ? std::string("putty") : ToLocal(edtConfigFile->text());
}

void HostImportDialog::browse() {
  if (const auto path = dialogs_.openFile(
          {"OpenSSH client configuration", "All files (*)", "", ToLocal(edtConfigFile->text())}))
    edtConfigFile->setText(FromLocal(*path));
}

}  // namespace skelder
