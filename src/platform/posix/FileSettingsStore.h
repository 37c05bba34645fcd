#pragma once
// The settings store kept in a file in the registry's text export format. Every write
// replaces the file atomically (platform/FileReplacement.h: a temporary file in the same
// folder, flushed, renamed over the old one, the folder flushed; through a symbolic
// link to the file it names), so a crash leaves the old content or the new, never a mix.
// Changes by other processes are picked up: the file is read again whenever it changed
// on disk. A file that cannot be parsed is moved aside to the first free numbered
// ".broken" name; a folder or other entry that is no file is left alone (the store then
// starts empty and its writes fail).
#include <sys/types.h>
#include <map>
#include <string>

#include "platform/SettingsStore.h"
#include "platform/posix/RegFile.h"

namespace skelder {

class FileSettingsStore : public SettingsStore {
 public:
  explicit FileSettingsStore(std::string filePath, std::string root = "HKEY_CURRENT_USER");

  std::unique_ptr<RegistryKey> openKey(const std::string& path, bool create) override;
  bool deleteKey(const std::string& path) override;

  // Once after a file that could not be parsed was moved aside, or after what stands at
  // the path could not be read: the text of the warning.
  std::string takeRecoveryNotice() override;
  void beginBatch() override;
  bool endBatch() override;

  const std::string& filePath() const { return filePath_; }

 private:
  friend class FileRegistryKey;
  struct Key {
    std::string path;
    std::vector<RegValueEntry> values;
  };
  using KeyMap = std::map<std::string, Key>;  // by folded path

  void refresh();
  bool save();
  // Applies change to the keys and writes the file; on failure the keys stay as they were.
  template <typename Change>
  bool update(Change change);
  static void addWithParents(KeyMap& keys, const std::string& path);
  // What the batch changed between base and keys_, applied to what is on disk now.
  static void applyBatch(const KeyMap& base, const KeyMap& batch, KeyMap& disk);

  std::string filePath_;
  std::string root_;
  KeyMap keys_;
  struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    long long mtimeNs = 0;
    bool operator==(const Identity& o) const {
      return device == o.device && inode == o.inode && size == o.size && mtimeNs == o.mtimeNs;
    }
  } loaded_;
  bool loadedOnce_ = false;
  int batchDepth_ = 0;
  bool batchDirty_ = false;
  // The keys as the batch began: at its end only what the batch changed is written over
  // what another process may have written meanwhile.
  KeyMap batchBase_;
  std::string recoveryNotice_;
};

}  // namespace skelder
