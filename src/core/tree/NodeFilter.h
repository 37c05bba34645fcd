#pragma once
// The tree filter: the words typed into the filter box, the nodes that hold every one of
// them in their name, popup text or macro text (case aside), and the nodes that show
// while the filter is on: each match with its ancestors, and always the ComputerNode.
// Separator lines never show.
//
// What shows is worked out for the tree as it is: after a change of its structure, call
// refresh (or treeChanged) before asking again.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skelder {

class ConnectionTree;
class TreeNode;
struct rVTNodeData;

// The words of a filter text: split at blanks, folded to lower case.
class FilterWords {
 public:
  FilterWords() = default;
  explicit FilterWords(std::string_view typed);

  bool empty() const { return words_.empty(); }
  const std::vector<std::string>& words() const { return words_; }
  // Whether each word is in the name, the popup text or the macro text of the record.
  bool Matches(const rVTNodeData& data) const;
  // The same for the record's search text (AppendSearchText).
  bool MatchesSearchText(std::string_view text) const;
  // What the words are looked for in: the name, the decoded popup text and the decoded
  // macro text, folded, each after a line feed (which no word holds, so that no match
  // spans two of them).
  static void AppendSearchText(std::string& out, const rVTNodeData& data);
  // Whether every record these words match is matched by the earlier words too (each
  // earlier word lies within one of these): then only the earlier matches need testing.
  bool Narrows(const FilterWords& earlier) const;

 private:
  std::vector<std::string> words_;
};

// The parts [begin, end) of the text, in bytes, that hold one of the words (case
// aside), in order and merged where they touch or overlap.
std::vector<std::pair<std::size_t, std::size_t>> MatchedSpans(std::string_view text,
                                                              const FilterWords& words);

class NodeFilter {
 public:
  // Filters the tree by the typed text; a text of blanks only ends the filter. The kept
  // node shows as in refresh.
  void setText(std::string_view typed, const ConnectionTree& tree, const TreeNode* keep = nullptr);
  // setText in two steps, for a view that must know before the shown nodes change:
  // prepare works out what the text shows and tells whether other nodes would show than
  // now (the words change at once); commit shows them. Between the two everything reads
  // as before. Only while the filter holds the tree as it is (not readsTreeAgain).
  bool prepare(std::string_view typed, const ConnectionTree& tree, const TreeNode* keep);
  void commit();
  // Whether the next text makes the filter read the tree again (it changed, or the filter
  // was off), which changes everything it shows.
  bool readsTreeAgain(const ConnectionTree& tree) const { return !current_ || tree_ != &tree; }
  // Tests every node again, after the tree changed. The kept node (with its ancestors)
  // shows even when it does not match, so that the node the user is working on stays.
  void refresh(const ConnectionTree& tree, const TreeNode* keep = nullptr);
  // Ends the filter; what it read of the tree stays for the next text.
  void clear();
  // Reads the tree now (unless it holds it as it is), so that the next text is matched
  // without reading it.
  void readAhead(const ConnectionTree& tree);
  // The tree changed: the earlier matches may be gone, so the next text is matched
  // against the whole tree read again.
  void treeChanged() { current_ = false; }

  bool active() const { return !words_.empty(); }
  const FilterWords& words() const { return words_; }
  // Every node shows while the filter is off.
  bool shows(const TreeNode* node) const;
  // While the filter is on: the shown children of a shown node (of the invisible root
  // for null) in the tree's order, and a shown node's row among them (-1 when hidden).
  int shownChildCount(const TreeNode* parent) const;
  TreeNode* shownChild(const TreeNode* parent, int row) const;
  int shownRow(const TreeNode* node) const;
  // The matching nodes, in the tree's order (none while the filter is off), as they were
  // when last worked out.
  const std::vector<const TreeNode*>& matches() const { return shown_.matches; }

 private:
  void readTree(const ConnectionTree& tree);
  void collectAll(const ConnectionTree& tree, const TreeNode* keep);
  void collect(const ConnectionTree& tree, const std::vector<int>& candidates,
               const TreeNode* keep);
  void showWithAncestors(const TreeNode* node);
  void placeShownNodes(const ConnectionTree& tree);
  // The node's place in nodes_, or -1 when the node is not there.
  int place(const TreeNode* node) const;

  FilterWords words_;
  const ConnectionTree* tree_ = nullptr;
  // Per node of the tree in pre-order, as the filter last read it: the node, where its
  // search text starts in searchText_ (one more entry marks the end); in Shown, its row
  // among its shown siblings (-1 when hidden), where its shown children start in children
  // and how many there are.
  std::vector<const TreeNode*> nodes_;
  std::string searchText_;
  std::vector<std::size_t> textStart_;
  struct Shown {
    std::vector<int> row;
    std::vector<int> firstChild;
    std::vector<int> childCount;
    std::vector<TreeNode*> children;
    std::vector<TreeNode*> topLevel;
    std::vector<const TreeNode*> matches;
    std::vector<int> matchPlaces;
  };
  Shown shown_;              // what shows
  Shown next_;               // what the prepared text shows
  bool current_ = false;     // what the filter read holds the tree as it is
  bool narrowable_ = false;  // shown_ was worked out from what the filter read
};

}  // namespace skelder
