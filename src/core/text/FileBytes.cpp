#include "core/text/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace skelder {

namespace fs = std::filesystem;

namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

#ifdef _WIN32
int OpenNew(const std::string& path) {
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
int OpenNew(const std::string& path) {
  return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }
int FlushToDisk(int fd) { return ::fsync(fd); }
int CloseFile(int fd) { return ::close(fd); }
void KeepPermissions(int fd, const fs::path& target) {
  struct stat old;
  if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
}
// Makes the rename itself durable.
void FlushFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

// The file a path names, following a symbolic link, so that replacing it keeps the link.
fs::path ReplacedFile(const std::string& path) {
  fs::path target(path);
  std::error_code ec;
  if (fs::is_symlink(target, ec)) {
    fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) return resolved;
  }
  return target;
}

std::string TemporaryName(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  static const unsigned seed = std::random_device{}();
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".~%08x%04x", seed, counter++ & 0xFFFF);
  return target.string() + suffix;
}

}  // namespace

std::error_code ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found)
    return std::make_error_code(std::errc::no_such_file_or_directory);
  if (ec) return ec;
  if (status.type() == fs::file_type::directory)
    return std::make_error_code(std::errc::is_a_directory);
  if (status.type() != fs::file_type::regular)
    return std::make_error_code(std::errc::invalid_argument);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return LastError();
  const auto expected = fs::file_size(path, ec);
  if (!ec) bytes.reserve(static_cast<std::size_t>(expected));
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  const std::error_code readError = failed ? LastError() : std::error_code();
  std::fclose(file);
  if (failed) {
    bytes.clear();
    return readError ? readError : std::make_error_code(std::errc::io_error);
  }
  return {};
}

std::error_code ReplaceFileBytes(const std::string& path, std::string_view bytes) {
  const fs::path target = ReplacedFile(path);
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temporary = TemporaryName(target);
    fd = OpenNew(temporary);
    if (fd < 0 && errno != EEXIST) return LastError();
  }
  if (fd < 0) return LastError();

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
    return failure;
  }
  FlushFolder(target.parent_path());
  return {};
}

std::error_code CopyFileBytes(const std::string& source, const std::string& target) {
  std::string bytes;
  if (auto ec = ReadFileBytes(source, bytes)) return ec;
  return ReplaceFileBytes(target, bytes);
}

}  // namespace skelder
