#include "platform/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <mutex>
#include <set>

#ifdef _WIN32
#include <io.h>
#include <process.h>

#include "platform/win32/Windows.h"
#else
#include <signal.h>
#include <unistd.h>
#endif

namespace skelder {

namespace fs = std::filesystem;

namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

#ifdef _WIN32
unsigned long ProcessId() { return static_cast<unsigned long>(_getpid()); }
bool ProcessRuns(unsigned long id) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool runs = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return runs;
}
int OpenNew(const std::string& path, unsigned) {
  return ::_open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int fd, const char* data, std::size_t size) {
  return ::_write(fd, data, static_cast<unsigned>(size > 0x40000000 ? 0x40000000 : size));
}
int FlushToDisk(int fd) { return ::_commit(fd); }
int CloseFile(int fd) { return ::_close(fd); }
void KeepPermissions(int, const fs::path&) {}
void FlushFolder(const fs::path&) {}
#else
unsigned long ProcessId() { return static_cast<unsigned long>(::getpid()); }
// A process that exists but is not ours to signal runs too.
bool ProcessRuns(unsigned long id) {
  if (id == 0 || id > static_cast<unsigned long>(INT32_MAX)) return false;
  return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}
int OpenNew(const std::string& path, unsigned mode) {
  return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, static_cast<mode_t>(mode));
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }
int FlushToDisk(int fd) { return ::fsync(fd); }
int CloseFile(int fd) { return ::close(fd); }
void KeepPermissions(int fd, const fs::path& target) {
  struct stat old;
  if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
}
void FlushFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

const char kMarker[] = ".~";
const char kEnd[] = ".tmp";

// The temporary files this process is writing now, by path.
std::mutex inUseMutex;
std::set<std::string> inUse;

bool InUse(const std::string& path) {
  std::lock_guard<std::mutex> lock(inUseMutex);
  return inUse.count(path) != 0;
}

// Claims the first temporary name of the target that this process is not writing.
std::string ClaimName(const fs::path& target) {
  const std::string base = target.string() + kMarker + std::to_string(ProcessId());
  std::lock_guard<std::mutex> lock(inUseMutex);
  for (unsigned n = 0;; ++n) {
    std::string name = base + (n ? "-" + std::to_string(n) : std::string()) + kEnd;
    if (inUse.insert(name).second) return name;
  }
}

void Release(const std::string& name) {
  std::lock_guard<std::mutex> lock(inUseMutex);
  inUse.erase(name);
}

// Files only: a folder of such a name was not left by a writer.
bool IsFileOrLink(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(path, ec);
  return !ec &&
         (status.type() == fs::file_type::regular || status.type() == fs::file_type::symlink);
}

void RemoveStaleTemporaries(const fs::path& target) {
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const std::string targetName = target.filename().string();
  const unsigned long own = ProcessId();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    unsigned long process = 0;
    const fs::path path = it->path();
    if (!IsReplacementTemporary(path.filename().string(), targetName, process)) continue;
    const bool stale = process == own ? !InUse(path.string()) : !ProcessRuns(process);
    std::error_code ignored;
    if (stale && IsFileOrLink(path)) fs::remove(path, ignored);
  }
}

bool AllDigits(const std::string& text, std::size_t begin, std::size_t end) {
  if (begin >= end || end - begin > 10) return false;
  for (std::size_t i = begin; i < end; ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

}  // namespace

bool IsReplacementTemporary(const std::string& fileName, const std::string& targetName,
                            unsigned long& process) {
  const std::string prefix = targetName + kMarker;
  const std::size_t endLength = sizeof kEnd - 1;
  if (fileName.size() <= prefix.size() + endLength ||
      fileName.compare(0, prefix.size(), prefix) != 0 ||
      fileName.compare(fileName.size() - endLength, endLength, kEnd) != 0)
    return false;
  const std::size_t begin = prefix.size();
  const std::size_t end = fileName.size() - endLength;
  const std::size_t dash = fileName.find('-', begin);
  const std::size_t idEnd = dash < end ? dash : end;
  if (!AllDigits(fileName, begin, idEnd)) return false;
  if (dash < end && !AllDigits(fileName, dash + 1, end)) return false;
  unsigned long long id = 0;
  for (std::size_t i = begin; i < idEnd; ++i)
    id = id * 10 + static_cast<unsigned>(fileName[i] - '0');
  if (id > ULONG_MAX) return false;
  process = static_cast<unsigned long>(id);
  return true;
}

std::string LinkedFile(const std::string& path) {
  fs::path file(path);
  std::error_code ec;
  // A bound on the hops, as the system has for a loop of links.
  for (int hop = 0; hop < 40 && fs::is_symlink(file, ec); ++hop) {
    const fs::path target = fs::read_symlink(file, ec);
    if (ec) break;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return file.lexically_normal().string();
}

std::error_code ReplaceFileContents(const std::string& path, std::string_view bytes,
                                    unsigned newFileMode) {
  const fs::path target = LinkedFile(path);
  RemoveStaleTemporaries(target);
  const std::string temporary = ClaimName(target);
  int fd = OpenNew(temporary, newFileMode);
  if (fd < 0 && errno == EEXIST && IsFileOrLink(temporary)) {
    // Left by an earlier process that had the same id.
    std::error_code ignored;
    fs::remove(temporary, ignored);
    fd = OpenNew(temporary, newFileMode);
  }
  if (fd < 0) {
    const std::error_code error = LastError();
    Release(temporary);
    return error;
  }

  std::error_code failure;
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0 && !failure) {
    const auto written = WriteSome(fd, data, left);
    if (written < 0) {
      if (errno != EINTR) failure = LastError();
    } else if (written == 0) {
      failure = std::make_error_code(std::errc::no_space_on_device);
    } else {
      data += written;
      left -= static_cast<std::size_t>(written);
    }
  }
  if (!failure) KeepPermissions(fd, target);
  if (!failure && FlushToDisk(fd) != 0) failure = LastError();
  if (CloseFile(fd) != 0 && !failure) failure = LastError();
  if (!failure) fs::rename(temporary, target, failure);
  if (failure) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
  } else {
    FlushFolder(target.parent_path());
  }
  Release(temporary);
  return failure;
}

}  // namespace skelder
