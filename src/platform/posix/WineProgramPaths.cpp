#include "platform/posix/WineProgramPaths.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/PosixProgramStarter.h"

extern char** environ;

namespace skelder {

std::vector<std::string> WinePaths(const std::vector<std::string>& paths) {
  std::vector<std::string> command = {"winepath", "-w"};
  command.insert(command.end(), paths.begin(), paths.end());
  std::vector<char*> argv;
  for (auto& arg : command) argv.push_back(arg.data());
  argv.push_back(nullptr);

  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  // wine's own notices (a new prefix, debug output) are not paths.
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, "winepath", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  std::string text;
  if (spawned == 0) {
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(out[0], buffer, sizeof buffer)) != 0) {
      if (n > 0) {
        text.append(buffer, static_cast<size_t>(n));
      } else if (errno != EINTR) {
        break;
      }
    }
  }
  ::close(out[0]);
  if (spawned != 0) return {};
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};

  std::vector<std::string> lines;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(begin, end - begin);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    begin = end + 1;
  }
  if (lines.size() != paths.size()) return {};
  return lines;
}

std::vector<std::string> WineProgramPaths::pathsFor(const std::string& program,
                                                    const std::vector<std::string>& paths) {
  if (paths.empty() || !IsWindowsExecutable(program)) return paths;
  // Without a working winepath the paths stay as they are.
  std::vector<std::string> windows = WinePaths(paths);
  return windows.empty() ? paths : windows;
}

char WineProgramPaths::separatorFor(const std::string& program) {
  return IsWindowsExecutable(program) ? '\\' : '/';
}

}  // namespace skelder
