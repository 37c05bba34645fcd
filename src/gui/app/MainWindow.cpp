#include "gui/app/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

#include "core/app/SettingsStorage.h"
#include "core/app/Startup.h"
#include "gui/app/BroadcastListener.h"

namespace skelder {

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

constexpr int kMinimumWidth = 654;
constexpr int kMinimumHeight = 480;

}  // namespace

MainWindow::MainWindow(ProgramContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      timer3_(new QTimer(this)),
      timer4_(new QTimer(this)),
      listener_(new BroadcastListener({"SkeldercMessage"}, this)) {
  setObjectName(QStringLiteral("MainWindow"));
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  timer3_->setObjectName(QStringLiteral("Timer3"));
  timer3_->setSingleShot(true);
  timer3_->setInterval(500);
  connect(timer3_, &QTimer::timeout, this, &MainWindow::askDelayedImport);
  timer4_->setObjectName(QStringLiteral("Timer4"));
  timer4_->setSingleShot(true);
  timer4_->setInterval(500);
  connect(timer4_, &QTimer::timeout, this, [this] { showMaximized(); });
  connect(listener_, &BroadcastListener::received, this, &MainWindow::onBroadcast);

  settings_ = LoadSettings(*context_.platform.settings, settingsEnvironment());
  setGeometry(settings_.window.left, settings_.window.top, settings_.window.width,
              settings_.window.height);
  if (settings_.winMaximized && !isMaximized()) timer4_->start();

  consumeArgument();
  UpdateCaption(false);
  settings_.selectedNodeIndex = 0;
  if (importArmed_) timer3_->start();
}

MainWindow::~MainWindow() = default;

SettingsEnvironment MainWindow::settingsEnvironment() const {
  SettingsEnvironment env;
  env.programFolder = context_.programFolder;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect all = screen->geometry();
    const QRect work = screen->availableGeometry();
    env.screenWidth = all.width();
    env.screenHeight = all.height();
    env.workLeft = work.left();
    env.workTop = work.top();
    env.workRight = work.left() + work.width();
    env.workBottom = work.top() + work.height();
  }
  env.minWidth = minimumWidth();
  env.minHeight = minimumHeight();
  env.hasArgument = !context_.arguments.empty();
  env.fileExists = FileExists;
  return env;
}

QString MainWindow::CaptionText(const std::string& displayName, bool modified) {
  return QStringLiteral("Skelder Configuration - [%1%2]")
      .arg(QString::fromLocal8Bit(displayName.c_str()), modified ? QStringLiteral("*") : QString());
}

void MainWindow::UpdateCaption(bool modified) {
  const std::string name = currentFile_.empty()
                               ? std::string("Noname.SKD")
                               : context_.platform.system->shellDisplayName(currentFile_);
  setWindowTitle(CaptionText(name, modified));
}

// The pending argument: with a last table that one opens and the argument is offered
// for import shortly after start; without one the argument itself opens as the table.
void MainWindow::consumeArgument() {
  const std::string param = ReadParamName(*context_.platform.settings);
  const std::string& last = settings_.lastSKDFile;
  if (!param.empty() && !last.empty()) {
    if (FileExists(last)) OpenTableFile(last);
    importArmed_ = true;
  } else if (!param.empty()) {
    if (FileExists(param)) OpenTableFile(param);
  } else if (!last.empty() && FileExists(last)) {
    OpenTableFile(last);
  }
}

bool MainWindow::OpenTableFile(const std::string& path) {
  // Until the table reader is in place a named table is only remembered.
  currentFile_ = path;
  return true;
}

void MainWindow::ImportFile(const std::string& /*path*/) {}

void MainWindow::askDelayedImport() {
  timer3_->stop();
  auto& store = *context_.platform.settings;
  const std::string path = ReadParamName(store);
  if (!path.empty() && FileExists(path)) {
    const std::string text = "Do you want to import file " +
                             context_.platform.system->shellDisplayName(path) + " into " +
                             "Skelder" + "?";
    if (context_.dialogs.messageBox(MessageKind::Confirmation, MessageButtons::YesNo, text) ==
        MessageAnswer::Yes)
      ImportFile(path);
  }
  WriteParamName(store, "");
}

void MainWindow::onBroadcast(const QString& name) {
  if (name == QLatin1String("SkeldercMessage")) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
  }
}

void MainWindow::rememberNormalGeometry() {
  if (isMaximized() || isMinimized()) return;
  const QRect frame = geometry();
  settings_.window = {frame.left(), frame.top(), frame.width(), frame.height()};
}

void MainWindow::saveSettingsAndNotify() {
  rememberNormalGeometry();
  settings_.winMaximized = isMaximized();
  settings_.lastSKDFile = currentFile_;
  SaveSettingsAndNotify(*context_.platform.settings, *context_.platform.broadcaster, settings_,
                        settingsEnvironment());
}

void MainWindow::Shutdown() {
  if (closed_) return;
  closed_ = true;
  CleanTemporaryFiles(context_.programFolder, context_.dialogs);
  saveSettingsAndNotify();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  Shutdown();
  event->accept();
}

}  // namespace skelder
