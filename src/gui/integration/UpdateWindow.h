#pragma once
// "Skelder Check for Updates": the installed and the latest versions of Tera Term and of
// the product, the results with the release notes, and the links that start an upgrade.
// The check itself is the core's UpdateCheck; this window shows it and paces it with its
// 250 ms timer.
#include <QDialog>
#include <QTimer>
#include <string>

#include "core/integration/UpdateCheck.h"
#include "core/integration/UpgradeActions.h"
#include "platform/SystemInfo.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace skelder {

struct UpdateWindowServices {
  Downloader& downloader;
  SettingsStore& store;
  LatestVersions& latest;  // the program's, kept across checks
  const SystemInfo& system;
  std::string programFolder;  // where ttermpro.exe is
  UpdateAddresses addresses;
  UpgradeServices upgrade;
};

class UpdateWindow : public QDialog {
  Q_OBJECT
 public:
  explicit UpdateWindow(UpdateWindowServices services, QWidget* parent = nullptr);

  // CheckForUpdates: starts the check and shows the window modally until it closes.
  void checkForUpdates();

  const UpdateCheck& check() const { return check_; }
  QLabel* teraTermLatest() const { return label6_; }
  QLabel* productLatest() const { return label8_; }
  QPlainTextEdit* results() const { return results_; }
  QPushButton* button() const { return button_; }
  QTimer& timer() { return timer_; }

 public slots:
  // The button, Escape and the window's close box: stop the check and close.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void refresh();
  void showLatest(QLabel* label, const LatestLabel& latest, bool reacts);
  void upgradeTeraTerm();
  void upgradeProduct();

  UpdateWindowServices services_;
  UpdateCheck check_;
  QTimer timer_;
  QLabel* teraTermInstalled_;
  QLabel* productInstalled_;
  QLabel* label6_;
  QLabel* label8_;
  QPlainTextEdit* results_;
  QPushButton* button_;
};

}  // namespace skelder
