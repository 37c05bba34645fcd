// Skelderc: the configuration program.
#include <QApplication>
#include <cstdlib>
#include <memory>

#include "core/app/Startup.h"
#include "core/base/LoggedDialogs.h"
#include "core/base/ProgramFolder.h"
#include "gui/app/GuiStartupHost.h"
#include "gui/app/ProgramContext.h"
#include "gui/app/QtDialogs.h"
#include "platform/Platform.h"

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace skelder;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Skelder"));
  QApplication::setQuitOnLastWindowClosed(true);

  Platform platform = CreatePlatform();

  // Scripted runs (tests) log every box and answer it from a file instead of showing it.
  const std::string dialogLog = Environment("SKELDER_DIALOG_LOG");
  const std::string dialogAnswers = Environment("SKELDER_DIALOG_ANSWERS");
  std::unique_ptr<UserDialogs> dialogs;
  if (!dialogLog.empty() || !dialogAnswers.empty())
    dialogs = std::make_unique<LoggedDialogs>(dialogLog, dialogAnswers);
  else
    dialogs = std::make_unique<QtDialogs>();

  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);

  const std::string executable = platform.system->executablePath();
  ProgramContext context{platform, *dialogs, FolderOf(executable), arguments,
                         Environment("SKELDER_SCREENSHOT")};
  StartupServices services =
      MakeStartupServices(platform, *dialogs, context.programFolder, executable);
  GuiStartupHost host(context);
  return RunStartup(arguments, services, host);
}
