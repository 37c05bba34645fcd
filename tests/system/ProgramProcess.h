#pragma once
// Runs the built program as a process in a Tera Term folder of its own, with private
// settings and runtime folders, its boxes written to a dialog log and answered from a
// file, and the stand-ins writing what they were given to a log folder.
#include <sys/types.h>

#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace skelder::testing {

class ProgramFolderFixture {
 public:
  // The program under programName, with ttermpro.exe and the companion when asked.
  explicit ProgramFolderFixture(const std::string& programName = "Skelderc",
                                bool withTeraTerm = true, bool withCompanion = true);

  std::string programFolder() const { return root_.file("tt"); }
  std::string programPath() const { return programFolder() + "/" + programName_; }
  std::string configFile() const { return root_.file("cfg/Vantrell Solutions/Skelder.reg"); }
  std::string runtimeFolder() const { return root_.file("rt"); }
  std::string standInLog() const { return root_.file("standin"); }
  std::string dialogLog() const { return root_.file("dialogs.log"); }
  std::string file(const std::string& name) const { return root_.file(name); }

  // Answers for the boxes of later starts, one a line.
  void setAnswers(const std::string& lines);

  pid_t start(const std::vector<std::string>& arguments);
  // The exit status, or -1 when the process has not ended within the time.
  int waitForExit(pid_t pid, int timeoutMs);
  bool isRunning(pid_t pid);
  // Waits until the process holds the named existence flag.
  bool waitForFlag(const std::string& name, int timeoutMs);
  // Asks the program to end as a session end does, and waits for it.
  int stop(pid_t pid, int timeoutMs = 10000);

  std::vector<std::string> dialogLines() const;

 private:
  TempFolder root_;
  std::string programName_;
};

}  // namespace skelder::testing
