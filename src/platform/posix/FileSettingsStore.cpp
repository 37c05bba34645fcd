#include "platform/posix/FileSettingsStore.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_map>
#include <utility>

#include "platform/FileReplacement.h"

namespace skelder {

namespace {

std::string ParentOf(const std::string& path) {
  const auto cut = path.rfind('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

// Moves a file that cannot be parsed to the first free name of path + ".broken",
// ".broken.2", ".broken.3", ...; an earlier copy is never replaced. Returns the new name,
// empty when the file could not be moved.
std::string MoveAside(const std::string& path) {
  for (int n = 1; n < 1000; ++n) {
    const std::string aside = path + ".broken" + (n > 1 ? "." + std::to_string(n) : "");
    if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
      return aside;
    if (errno == EEXIST) continue;
    if (errno != EINVAL && errno != ENOSYS) return {};
    // A file system without that rename: a new link cannot replace an existing name either.
    if (::link(path.c_str(), aside.c_str()) == 0) {
      ::unlink(path.c_str());
      return aside;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

bool ReadWhole(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::stringstream text;
  text << in.rdbuf();
  if (in.bad()) return false;
  bytes = text.str();
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
  const bool exists = ::stat(filePath_.c_str(), &st) == 0;  // through a link
  if (exists) {
    now = {st.st_dev, st.st_ino, st.st_size,
           static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
  }
  if (loadedOnce_ && now == loaded_) return;
  loadedOnce_ = true;
  loaded_ = now;
  keys_.clear();
  const char* const defaults = " and the program starts with its default settings.";
  std::string text;
  // A folder or anything else that is no file stays where it is; so does a file that
  // cannot be read.
  if (exists && (!S_ISREG(st.st_mode) || (st.st_size > 0 && !ReadWhole(filePath_, text)))) {
    recoveryNotice_ =
        "The settings file " + filePath_ + " could not be read. It was left as it is" + defaults;
    return;
  }
  if (now.size <= 0) return;  // missing or empty: an empty store
  auto document = ParseRegFile(text, root_);
  if (!document) {
    // The file a link names is moved, so that the link stays and the next write goes
    // through it.
    const std::string aside = MoveAside(LinkedFile(filePath_));
    if (!aside.empty())
      recoveryNotice_ = "The settings file " + filePath_ +
                        " could not be read. It has been moved to " + aside + defaults;
    loaded_ = Identity{};
    return;
  }
  for (auto& key : document->keys) {
    const std::string path = NormaliseKeyPath(key.path);
    addWithParents(keys_, path);
    auto& target = keys_[FoldCase(path)].values;
    // A name written twice keeps its first place and takes the last value.
    std::unordered_map<std::string, std::size_t> places;
    for (std::size_t i = 0; i < target.size(); ++i) places.emplace(FoldCase(target[i].name), i);
    for (auto& entry : key.values) {
      const auto [place, added] = places.emplace(FoldCase(entry.name), target.size());
      if (added)
        target.push_back(std::move(entry));
      else
        target[place->second].value = std::move(entry.value);
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
  if (ReplaceFileContents(filePath_, FormatRegFile(document, root_), 0600)) return false;
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
    batchBase_ = keys_;
  }
}

bool FileSettingsStore::endBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
  const KeyMap base = std::move(batchBase_);
  batchBase_.clear();
  if (!batchDirty_) return true;
  batchDirty_ = false;
  // Another process (a second start handing over its file) may have written since the
  // batch began: its values stay, the batch's changes go over them.
  const KeyMap batch = keys_;
  refresh();
  applyBatch(base, batch, keys_);
  if (save()) return true;
  loadedOnce_ = false;  // what is on disk stays the truth
  refresh();
  return false;
}

void FileSettingsStore::applyBatch(const KeyMap& base, const KeyMap& batch, KeyMap& disk) {
  auto valueOf = [](const Key& key, const std::string& folded) -> const RegValueEntry* {
    for (const RegValueEntry& entry : key.values)
      if (FoldCase(entry.name) == folded) return &entry;
    return nullptr;
  };
  // Keys and values the batch removed.
  for (const auto& [folded, key] : base) {
    const auto kept = batch.find(folded);
    if (kept == batch.end()) {
      disk.erase(folded);
      continue;
    }
    const auto onDisk = disk.find(folded);
    if (onDisk == disk.end()) continue;
    for (const RegValueEntry& entry : key.values) {
      const std::string name = FoldCase(entry.name);
      if (valueOf(kept->second, name)) continue;
      auto& values = onDisk->second.values;
      values.erase(std::remove_if(values.begin(), values.end(),
                                  [&](const RegValueEntry& e) { return FoldCase(e.name) == name; }),
                   values.end());
    }
  }
  // Keys and values the batch added or changed.
  for (const auto& [folded, key] : batch) {
    const auto before = base.find(folded);
    if (!disk.count(folded)) addWithParents(disk, key.path);
    Key& target = disk[folded];
    for (const RegValueEntry& entry : key.values) {
      const std::string name = FoldCase(entry.name);
      const RegValueEntry* old = before == base.end() ? nullptr : valueOf(before->second, name);
      if (old && old->value == entry.value) continue;
      auto it = std::find_if(target.values.begin(), target.values.end(),
                             [&](const RegValueEntry& e) { return FoldCase(e.name) == name; });
      if (it == target.values.end())
        target.values.push_back(entry);
      else
        it->value = entry.value;
    }
  }
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
