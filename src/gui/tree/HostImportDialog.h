#pragma once
// "Import hosts": where the hosts come from, an OpenSSH client configuration file
// (~/.ssh/config unless another is chosen) or PuTTY's saved sessions.
#include <QDialog>
#include <string>

class QLineEdit;
class QRadioButton;

namespace skelder {

class UserDialogs;

class HostImportDialog : public QDialog {
  Q_OBJECT
 public:
  HostImportDialog(UserDialogs& dialogs, const std::string& homeFolder, QWidget* parent);

  // "putty", or the configuration file's path.
  std::string source() const;

  QRadioButton* rbOpenSsh;
  QLineEdit* edtConfigFile;
  QRadioButton* rbPutty;

 private:
  void browse();

  UserDialogs& dialogs_;
};

}  // namespace skelder
