#include "ProgramProcess.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace skelder::testing {

namespace fs = std::filesystem;

ProgramFolderFixture::ProgramFolderFixture(const std::string& programName, bool withTeraTerm,
                                           bool withCompanion)
    : programName_(programName) {
  fs::create_directories(programFolder());
  fs::create_directories(standInLog());
  fs::create_directory(runtimeFolder());
  chmod(runtimeFolder().c_str(), 0700);
  const fs::path demo = SKELDER_DEMO_DIR;
  fs::copy_file(demo / "Skelderc", programPath());
  if (withTeraTerm) fs::copy_file(demo / "ttermpro.exe", programFolder() + "/ttermpro.exe");
  if (withCompanion) fs::copy_file(demo / "Skelder.exe", programFolder() + "/Skelder.exe");
  fs::copy_file(demo / "teraterm.ini", programFolder() + "/teraterm.ini");
  // The program's own data files, as an installation has them.
  for (const char* data : {"KeyFile.ini", "SynComp.pro"})
    if (fs::exists(demo / data)) fs::copy_file(demo / data, programFolder() + "/" + data);
}

void ProgramFolderFixture::setAnswers(const std::string& lines) {
  WriteFileBytes(root_.file("answers"), lines);
}

pid_t ProgramFolderFixture::start(const std::vector<std::string>& arguments) {
  std::vector<std::string> args = {programPath()};
  args.insert(args.end(), arguments.begin(), arguments.end());
  const std::string config = root_.file("cfg");
  const std::string data = root_.file("data");
  const std::string answers = root_.file("answers");
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtimeFolder().c_str(), 1);
    setenv("SKELDER_DIALOG_LOG", dialogLog().c_str(), 1);
    setenv("SKELDER_DIALOG_ANSWERS", answers.c_str(), 1);
    setenv("SKELDER_STANDIN_LOG", standInLog().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

int ProgramFolderFixture::waitForExit(pid_t pid, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return -1;
}

bool ProgramFolderFixture::isRunning(pid_t pid) {
  int status = 0;
  return waitpid(pid, &status, WNOHANG) == 0;
}

// A flag is held when /proc/locks lists a lock on its file's inode.
bool ProgramFolderFixture::waitForFlag(const std::string& name, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  const std::string path = runtimeFolder() + "/" + name;
  while (std::chrono::steady_clock::now() < deadline) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
      std::ifstream locks("/proc/locks");
      std::string line;
      const std::string inode = ":" + std::to_string(st.st_ino) + " ";
      while (std::getline(locks, line))
        if (line.find("FLOCK") != std::string::npos &&
            (line + " ").find(inode) != std::string::npos)
          return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

int ProgramFolderFixture::stop(pid_t pid, int timeoutMs) {
  kill(pid, SIGTERM);
  const int status = waitForExit(pid, timeoutMs);
  if (status < 0) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  return status;
}

std::vector<std::string> ProgramFolderFixture::dialogLines() const {
  std::vector<std::string> lines;
  std::istringstream in(ReadFileBytes(dialogLog()));
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

}  // namespace skelder::testing
