#pragma once
// The names of one parent's children as the copy-name rule sees them: the other
// siblings' names joined into one list, a line feed before each and one at the end, in
// which a candidate name is taken when it occurs with a line feed on either side.
//
// The list is kept as its pieces, the texts between two line feeds, in child order, each
// child owning a run of them. A candidate without a line feed is taken when it is one of
// the pieces of the others; one with line feeds when its pieces follow each other there,
// possibly across the names of several siblings, or across the gap the child itself
// leaves. Copy names only put "Copy of " or "Copy (n) of " before a name's first piece,
// so renaming a child changes one piece and never the number of pieces.
//
// Cost: building is linear in the names' length. A name without line feeds is answered
// from the counts of the pieces; the search for its copy number resumes where the last
// search for the same name stopped (a piece that is present never disappears during a
// pass: a child is renamed only while its old name still occurs elsewhere). A name with
// line feeds is answered from the counts of its copy numbers over every place where its
// other pieces follow each other, kept up to date on every rename.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/tree/TreeNode.h"

namespace skelder {

class SiblingNameIndex {
 public:
  // The children of parent; an empty index for none.
  explicit SiblingNameIndex(const TreeNode* parent);

  // The name the child must carry to differ from its siblings: its own name, "Copy of " +
  // name or the first free "Copy (n) of " + name. Separator lines are not treated here.
  std::string uniqueName(const TreeNode* child);

  // Tells the index that the child now carries the name uniqueName gave it.
  void renamed(const TreeNode* child, const std::string& name);

 private:
  // A piece of the form "Copy of " + base (index 1) or "Copy (n) of " + base (n >= 2).
  struct CopyForm {
    bool known = false;
    int base = -1;  // -1: not a copy name
    std::int64_t index = 0;
  };
  // A name with line feeds: the counts of its copy numbers over the list.
  struct LongName {
    std::vector<int> pieces;
    std::unordered_map<std::int64_t, int> counts;  // copy number -> occurrences
    std::int64_t free = 0;                         // every number below it occurs (counts > 0)
  };

  int intern(const std::string& piece);
  int find(const std::string& piece) const;
  const CopyForm& formOf(int id);
  int pieceAt(std::size_t position) const { return pieces_[position]; }
  std::size_t startOf(const TreeNode* child) const;
  std::size_t endOf(const TreeNode* child) const;
  bool fewOthers(const TreeNode* child) const;

  std::string shortName(const TreeNode* child);
  std::string longName(const TreeNode* child);
  LongName& registered(const std::string& name);
  // The copy number of the long name that starts at position of the sequence, or -1.
  std::int64_t matchAt(const std::vector<int>& sequence, std::size_t position,
                       const LongName& name);
  void indexPairs();
  void addPairs(std::size_t position);

  const TreeNode* parent_;
  std::vector<int> pieces_;
  std::vector<std::size_t> starts_;  // per child row, plus the end
  std::unordered_map<std::string, int> ids_;
  std::vector<std::string> texts_;
  std::vector<CopyForm> forms_;
  std::vector<int> counts_;  // occurrences of each piece in the list

  std::unordered_map<int, std::int64_t> nextShort_;  // per piece: where its search resumes

  std::unordered_map<std::string, std::size_t> longIndex_;
  std::vector<LongName> longNames_;
  std::unordered_map<int, std::vector<std::size_t>> longByPiece_;  // piece -> long names
  // Positions of two pieces in a row by (first piece or its base, second piece); some
  // entries are stale after renames and are checked again when read.
  bool pairsIndexed_ = false;
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> pairs_;
};

}  // namespace skelder
