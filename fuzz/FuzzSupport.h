#pragma once
// What the fuzz targets share: a failed property aborts (libFuzzer reports it as a
// crash with the input), quiet stand-ins for the dialogs and the system, a scratch file
// for the readers that take a path, and the checks every tree must pass.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unordered_set>

#include "core/base/UserDialogs.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeKinds.h"
#include "platform/SystemInfo.h"

namespace skelder::fuzz {

#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

// Answers every box with its first button and counts them.
class QuietDialogs : public UserDialogs {
 public:
  MessageAnswer messageBox(MessageKind, MessageButtons buttons, const std::string&) override {
    ++boxes;
    return DefaultAnswer(buttons);
  }
  std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  int boxes = 0;
};

class QuietSystem : public SystemInfo {
 public:
  std::string userName() const override { return "user"; }
  std::string computerName() const override { return "computer"; }
  std::string windowsFolder() const override { return "/windows"; }
  std::string shellDisplayName(const std::string& path) const override { return path; }
  bool isNTFamily() const override { return true; }
  std::string executablePath() const override { return "/fuzz"; }
};

// A file of this process in the temporary folder, with the given name ending, rewritten
// for every input (without the flushes of an atomic replacement, which only slow down).
inline std::string ScratchFile(const std::string& ending, const uint8_t* data, size_t size) {
  const char* folder = std::getenv("TMPDIR");
  const std::string path = std::string(folder && *folder ? folder : "/tmp") + "/skelder-fuzz-" +
                           std::to_string(getpid()) + ending;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

// Parents, rows, counts and the pre-order index agree with a walk of the tree.
inline void CheckTree(const ConnectionTree& tree) {
  int count = 0;
  int selected = 0;
  for (const TreeNode* node = tree.first(); node; node = tree.next(node)) {
    FUZZ_CHECK(tree.preorderIndex(node) == count);
    FUZZ_CHECK(tree.nodeAt(count) == node);
    const TreeNode* parent = node->parent();
    FUZZ_CHECK((parent ? parent->child(node->row()) : tree.topLevel(node->row())) == node);
    selected += node->isSelected();
    ++count;
  }
  FUZZ_CHECK(tree.nodeCount() == count);
  FUZZ_CHECK(tree.selectedCount() == selected);
}

// After the naming rule every connection's name differs from its siblings' (separator
// lines may repeat; of two siblings, one with an empty name, both keep their names).
inline void CheckSiblingNames(const ConnectionTree& tree) {
  for (const TreeNode* parent = tree.first(); parent; parent = tree.next(parent)) {
    std::unordered_set<std::string> names;
    for (const TreeNode* child = parent->firstChild(); child; child = child->nextSibling()) {
      if (IsSeparator(child->data)) continue;
      if (parent->childCount() == 2 && child->data.Name.empty()) continue;
      FUZZ_CHECK(names.insert(child->data.Name).second);
    }
  }
}

}  // namespace skelder::fuzz
