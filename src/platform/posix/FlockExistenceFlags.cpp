#include "platform/posix/FlockExistenceFlags.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace skelder {

namespace {

class HeldFlag : public ExistenceFlag {
 public:
  explicit HeldFlag(int fd) : fd_(fd) {}
  ~HeldFlag() override { ::close(fd_); }

 private:
  int fd_;
};

}  // namespace

FlockExistenceFlags::FlockExistenceFlags(std::string folder) : folder_(std::move(folder)) {}

std::string FlockExistenceFlags::DefaultFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) return runtime;
  const std::string folder = "/tmp/skelder-" + std::to_string(::getuid());
  ::mkdir(folder.c_str(), 0700);
  return folder;
}

FlagCreation FlockExistenceFlags::create(const std::string& name) {
  FlagCreation result;
  const std::string path = folder_ + "/" + name;
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return result;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    result.handle = std::make_unique<HeldFlag>(fd);
    return result;
  }
  const bool held = errno == EWOULDBLOCK;
  ::close(fd);
  if (held) {
    // Like a semaphore that already exists: a handle comes back and the system says so.
    result.handle = std::make_unique<ExistenceFlag>();
    result.alreadyExisted = true;
  }
  return result;
}

}  // namespace skelder
