#include "platform/posix/FileSettingsStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace skelder {

namespace {

std::string ParentOf(const std::string& path) {
  const auto cut = path.rfind('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".tmp" + std::to_string(getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const bool ok = done == bytes.size() && ::fsync(fd) == 0;
  ::close(fd);
  if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace

class FileRegistryKey : public RegistryKey {
 public:
  FileRegistryKey(FileSettingsStore& store, std::string folded)
      : store_(store), folded_(std::move(folded)) {}

  std::optional<std::string> readString(const std::string& name) const override {
    if (const RegValue* value = find(name))
      if (const auto* text = std::get_if<std::string>(value)) return *text;
    return std::nullopt;
  }
  std::optional<int32_t> readInteger(const std::string& name) const override {
    if (const RegValue* value = find(name))
      if (const auto* number = std::get_if<int32_t>(value)) return *number;
    return std::nullopt;
  }
  bool writeString(const std::string& name, const std::string& value) override {
    return write(name, value);
  }
  bool writeInteger(const std::string& name, int32_t value) override { return write(name, value); }
  bool deleteValue(const std::string& name) override {
    const std::string folded = FoldCase(name);
    bool found = false;
    const bool saved = store_.update([&](FileSettingsStore::KeyMap& keys) {
      auto key = keys.find(folded_);
      if (key == keys.end()) return false;
      auto& values = key->second.values;
      auto it = std::find_if(values.begin(), values.end(),
                             [&](const RegValueEntry& e) { return FoldCase(e.name) == folded; });
      if (it == values.end()) return false;
      values.erase(it);
      found = true;
      return true;
    });
    return found && saved;
  }
  std::vector<std::string> valueNames() const override {
    std::vector<std::string> names;
    if (const auto* key = current())
      for (const auto& entry : key->values) names.push_back(entry.name);
    return names;
  }
  std::vector<std::string> subKeyNames() const override {
    store_.refresh();
    std::vector<std::string> names;
    const std::string prefix = folded_ + "\\";
    for (const auto& [folded, key] : store_.keys_) {
      if (folded.size() > prefix.size() && folded.compare(0, prefix.size(), prefix) == 0 &&
          folded.find('\\', prefix.size()) == std::string::npos)
        names.push_back(key.path.substr(prefix.size()));
    }
    return names;
  }

 private:
  const FileSettingsStore::Key* current() const {
    store_.refresh();
    auto it = store_.keys_.find(folded_);
    return it == store_.keys_.end() ? nullptr : &it->second;
  }
  const RegValue* find(const std::string& name) const {
    const auto* key = current();
    if (!key) return nullptr;
    const std::string folded = FoldCase(name);
    for (const auto& entry : key->values)
      if (FoldCase(entry.name) == folded) return &entry.value;
    return nullptr;
  }
  bool write(const std::string& name, const RegValue& value) {
    const std::string folded = FoldCase(name);
    return store_.update([&](FileSettingsStore::KeyMap& keys) {
      auto key = keys.find(folded_);
      if (key == keys.end()) return false;  // deleted meanwhile
      for (auto& entry : key->second.values) {
        if (FoldCase(entry.name) == folded) {
          entry.value = value;
          return true;
        }
      }
      key->second.values.push_back({name, value});
      return true;
    });
  }

  FileSettingsStore& store_;
  std::string folded_;
};

FileSettingsStore::FileSettingsStore(std::string filePath, std::string root)
    : filePath_(std::move(filePath)), root_(std::move(root)) {}

void FileSettingsStore::refresh() {
  if (batchDepth_ > 0) return;  // the batch's own view stands until it is written
  struct stat st {};
  Identity now;
  if (::stat(filePath_.c_str(), &st) == 0) {
    now = {st.st_dev, st.st_ino, st.st_size,
           static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
  }
  if (loadedOnce_ && now == loaded_) return;
  loadedOnce_ = true;
  loaded_ = now;
  keys_.clear();
  if (now.size <= 0) return;  // missing or empty: an empty store

  std::ifstream in(filePath_, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  auto document = ParseRegFile(text.str(), root_);
  if (!document) {
    const std::string aside = filePath_ + ".broken";
    if (std::rename(filePath_.c_str(), aside.c_str()) == 0) {
      recoveryNotice_ = "The settings file " + filePath_ +
                        " could not be read. It has been moved to " + aside +
                        " and the program starts with its default settings.";
    }
    loaded_ = Identity{};
    return;
  }
  for (auto& key : document->keys) {
    const std::string path = NormaliseKeyPath(key.path);
    addWithParents(keys_, path);
    auto& target = keys_[FoldCase(path)].values;
    for (auto& entry : key.values) {
      auto same = std::find_if(target.begin(), target.end(), [&](const RegValueEntry& e) {
        return FoldCase(e.name) == FoldCase(entry.name);
      });
      if (same != target.end())
        same->value = entry.value;
      else
        target.push_back(entry);
    }
  }
}

// From the key itself up to the first ancestor that is present, then added top down.
void FileSettingsStore::addWithParents(KeyMap& keys, const std::string& path) {
  std::vector<std::string> missing;
  for (std::string at = path; !at.empty() && !keys.count(FoldCase(at)); at = ParentOf(at))
    missing.push_back(at);
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) keys[FoldCase(*it)] = Key{*it, {}};
}

bool FileSettingsStore::save() {
  std::error_code ec;
  const auto folder = std::filesystem::path(filePath_).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  RegDocument document;
  for (const auto& [folded, key] : keys_) document.keys.push_back({key.path, key.values});
  if (!WriteWhole(filePath_, FormatRegFile(document, root_))) return false;
  struct stat st {};
  if (::stat(filePath_.c_str(), &st) == 0)
    loaded_ = {st.st_dev, st.st_ino, st.st_size,
               static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
  return true;
}

template <typename Change>
bool FileSettingsStore::update(Change change) {
  if (batchDepth_ > 0) {
    // Inside a batch the file is written once at its end; a folder that cannot hold
    // the file is still reported at once.
    std::error_code ec;
    const auto folder = std::filesystem::path(filePath_).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) return false;
    if (!change(keys_)) return false;
    batchDirty_ = true;
    return true;
  }
  refresh();
  KeyMap before = keys_;
  if (!change(keys_)) return false;
  if (save()) return true;
  keys_ = std::move(before);
  return false;
}

void FileSettingsStore::beginBatch() {
  if (batchDepth_++ == 0) {
    refresh();
    batchDirty_ = false;
  }
}

bool FileSettingsStore::endBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
  if (!batchDirty_) return true;
  batchDirty_ = false;
  if (save()) return true;
  loadedOnce_ = false;  // what is on disk stays the truth
  refresh();
  return false;
}

std::unique_ptr<RegistryKey> FileSettingsStore::openKey(const std::string& path, bool create) {
  const std::string normal = NormaliseKeyPath(path);
  const std::string folded = FoldCase(normal);
  refresh();
  if (!keys_.count(folded)) {
    if (!create) return nullptr;
    if (!update([&](KeyMap& keys) {
          addWithParents(keys, normal);
          return true;
        }))
      return nullptr;
  } else if (create) {
    // Opening for writing fails where the store cannot be written at all.
    std::error_code ec;
    const auto folder = std::filesystem::path(filePath_).parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) return nullptr;
  }
  return std::make_unique<FileRegistryKey>(*this, folded);
}

bool FileSettingsStore::deleteKey(const std::string& path) {
  const std::string folded = FoldCase(NormaliseKeyPath(path));
  bool found = false;
  update([&](KeyMap& keys) {
    for (auto it = keys.begin(); it != keys.end();) {
      if (it->first == folded || it->first.rfind(folded + "\\", 0) == 0) {
        it = keys.erase(it);
        found = true;
      } else {
        ++it;
      }
    }
    return found;
  });
  return found;
}

std::string FileSettingsStore::takeRecoveryNotice() {
  refresh();
  return std::exchange(recoveryNotice_, std::string());
}

}  // namespace skelder
