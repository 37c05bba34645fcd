// A stand-in for Tera Term in the demo folder. It takes Tera Term's parameter string
// (/F="settings file" /M="macro file"). With SKELDER_STANDIN_LOG naming a folder it
// writes there what it received (arguments.log, and copies of both files) and ends;
// otherwise it shows the settings file's colours and the macro text in a window.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string ValueOf(const std::string& arg, const std::string& option) {
  if (arg.size() > option.size() && arg.compare(0, option.size(), option) == 0)
    return arg.substr(option.size());
  return {};
}

QString ReadText(const std::string& path) {
  QFile file(QString::fromLocal8Bit(path.c_str()));
  if (!file.open(QIODevice::ReadOnly))
    return QStringLiteral("(cannot read %1)").arg(file.fileName());
  return QString::fromLocal8Bit(file.readAll());
}

}  // namespace

int main(int argc, char** argv) {
  std::string settings, macro;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (auto v = ValueOf(arg, "/F="); !v.empty()) settings = v;
    if (auto v = ValueOf(arg, "/M="); !v.empty()) macro = v;
  }

  if (const char* log = std::getenv("SKELDER_STANDIN_LOG"); log && *log) {
    namespace fs = std::filesystem;
    std::ofstream out(std::string(log) + "/arguments.log", std::ios::app | std::ios::binary);
    for (int i = 1; i < argc; ++i) out << (i > 1 ? "|" : "") << argv[i];
    out << "\n";
    std::error_code ec;
    for (const auto& file : {settings, macro})
      if (!file.empty())
        fs::copy_file(file, fs::path(log) / fs::path(file).filename(),
                      fs::copy_options::overwrite_existing, ec);
    return 0;
  }

  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Tera Term (stand-in)"));
  auto* layout = new QVBoxLayout(&window);
  QString colours;
  if (!settings.empty()) {
    QSettings ini(QString::fromLocal8Bit(settings.c_str()), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Tera Term"));
    for (const char* key : {"VTColor", "VTBoldColor", "VTBlinkColor", "URLColor"})
      colours += QStringLiteral("%1=%2\n").arg(key, ini.value(key).toStringList().join(','));
  }
  layout->addWidget(new QLabel(QStringLiteral("Settings file: %1\n%2")
                                   .arg(QString::fromLocal8Bit(settings.c_str()), colours)));
  auto* text = new QPlainTextEdit(macro.empty() ? QStringLiteral("(no macro)") : ReadText(macro));
  text->setReadOnly(true);
  layout->addWidget(
      new QLabel(QStringLiteral("Macro file: %1").arg(QString::fromLocal8Bit(macro.c_str()))));
  layout->addWidget(text);
  window.resize(640, 420);
  window.show();
  return app.exec();
}
