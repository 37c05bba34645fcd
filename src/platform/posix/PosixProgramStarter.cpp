#include "platform/posix/PosixProgramStarter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace skelder {

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args;
  std::string current;
  bool inArg = false, quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\\') {
      size_t run = 0;
      while (i + run < line.size() && line[i + run] == '\\') ++run;
      if (i + run < line.size() && line[i + run] == '"') {
        current.append(run / 2, '\\');
        if (run % 2) {
          current += '"';
          i += run;
        } else {
          i += run - 1;
        }
      } else {
        current.append(run, '\\');
        i += run - 1;
      }
      inArg = true;
    } else if (c == '"') {
      quoted = !quoted;
      inArg = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inArg) args.push_back(current);
      current.clear();
      inArg = false;
    } else {
      current += c;
      inArg = true;
    }
  }
  if (inArg) args.push_back(current);
  return args;
}

bool IsWindowsExecutable(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char header[64] = {};
  if (!in.read(header, sizeof header) || header[0] != 'M' || header[1] != 'Z') return false;
  uint32_t offset = 0;
  std::memcpy(&offset, header + 0x3c, 4);  // e_lfanew, little-endian
  char signature[4] = {};
  in.seekg(offset);
  return in.read(signature, 4) && std::memcmp(signature, "PE\0\0", 4) == 0;
}

static bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> PosixProgramStarter::CommandFor(const std::string& file,
                                                         const std::string& parameters) {
  std::vector<std::string> command;
  if (IsWindowsExecutable(file)) {
    command = {"wine", file};
  } else if (IsExecutableFile(file)) {
    command = {file};
  } else {
    command = {"xdg-open", file};
    return command;  // documents take no parameters
  }
  for (auto& arg : SplitCommandLine(parameters)) command.push_back(std::move(arg));
  return command;
}

bool PosixProgramStarter::open(const std::string& file, const std::string& parameters,
                               const std::string& folder) {
  const std::vector<std::string> command = CommandFor(file, parameters);
  std::vector<char*> argv;
  for (const auto& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  // The grandchild reports a failed exec through this pipe; a successful exec closes it.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (child == 0) {
    ::close(report[0]);
    ::setsid();
    if (::fork() != 0) ::_exit(0);  // the intermediate ends at once: nobody waits for the program
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) {
      const int error = errno;
      (void)!::write(report[1], &error, sizeof error);
      ::_exit(127);
    }
    ::execvp(argv[0], argv.data());
    const int error = errno;
    (void)!::write(report[1], &error, sizeof error);
    ::_exit(127);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t n;
  while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  ::close(report[0]);
  return n == 0;
}

}  // namespace skelder
