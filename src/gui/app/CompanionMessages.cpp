#include "gui/app/CompanionMessages.h"

#include <QApplication>
#include <filesystem>

#include "core/app/SettingsStorage.h"
#include "core/base/ProgramFolder.h"
#include "gui/app/BroadcastListener.h"
#include "gui/app/MainWindow.h"

namespace skelder {

std::vector<std::string> CompanionMessages::MessageNames() {
  return {"SkeldercMessage", "SkeldercStopMessage", "SkeldercCheckUpgrade"};
}

CompanionMessages::CompanionMessages(MainWindow& window, BroadcastListener* listener)
    : QObject(&window),
      window_(window),
      timer2_(new QTimer(this)),
      listener_(listener ? listener : new BroadcastListener(MessageNames())) {
  listener_->setParent(this);
  timer2_->setObjectName(QStringLiteral("Timer2"));
  timer2_->setSingleShot(true);
  timer2_->setInterval(5000);
  listener_->setObjectName(QStringLiteral("CompanionListener"));
  connect(listener_, &BroadcastListener::received, this, &CompanionMessages::Received);
}

void CompanionMessages::StartReceiving() { listener_->release(); }

void CompanionMessages::Received(const QString& name) {
  if (name == QLatin1String("SkeldercMessage")) {
    wakeUp();
  } else if (name == QLatin1String("SkeldercStopMessage")) {
    stop();
  } else if (name == QLatin1String("SkeldercCheckUpgrade")) {
    BringToFront();
    window_.CheckForUpdates();
  }
}

void CompanionMessages::BringToFront() {
  if (window_.isMinimized()) {
    window_.showNormal();
  } else {
    window_.raise();
    window_.activateWindow();
  }
  QApplication::processEvents();
}

// A second start woke the program: it comes to the front and offers the file it handed
// over (its copy's name carries a "~" that the question leaves out).
void CompanionMessages::wakeUp() {
  if (timer2_->isActive()) return;
  timer2_->start();
  BringToFront();
  auto& store = *window_.platform().settings;
  const std::string path = ReadParamName(store);
  if (path.empty()) return;
  std::string name = FileNameOf(path);
  if (!name.empty() && name[0] == '~') name.erase(0, 1);
  const std::string shown = window_.platform().system->shellDisplayName(name);
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec)) {
    if (window_.dialogs().messageBox(MessageKind::Confirmation, MessageButtons::YesNo,
                                     "Do you want to import file " + shown + " into " + "Skelder" +
                                         "?") == MessageAnswer::Yes) {
      window_.document().Import(path);
      window_.RequestCommandRefresh();
    }
    WriteParamName(store, "");
  } else {
    window_.dialogs().error("Cannot import file " + shown + ". File not found.");
  }
}

// The companion asks the program to close; unsaved work is shown before the questions.
void CompanionMessages::stop() {
  if (window_.HasPendingEdits() || window_.document().modified()) BringToFront();
  window_.close();
}

}  // namespace skelder
