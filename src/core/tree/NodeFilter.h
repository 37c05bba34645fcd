#pragma once
// The tree filter: the words typed into the filter box, the nodes that hold every one of
// them in their name, popup text or macro text (case aside), and the nodes that show
// while the filter is on: each match with its ancestors, and always the ComputerNode.
// Separator lines never show.
#include <string>
#include <string_view>
#include <unordered_set>
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
  // Tests every node again, after the tree changed. The kept node (with its ancestors)
  // shows even when it does not match, so that the node the user is working on stays.
  void refresh(const ConnectionTree& tree, const TreeNode* keep = nullptr);
  void clear();
  // The tree changed: the earlier matches may be gone, so the next text is matched
  // against the whole tree.
  void treeChanged() { narrowable_ = false; }

  bool active() const { return !words_.empty(); }
  const FilterWords& words() const { return words_; }
  // Every node shows while the filter is off.
  bool shows(const TreeNode* node) const;
  // The matching nodes, in the tree's order (none while the filter is off), as they were
  // when last worked out.
  const std::vector<const TreeNode*>& matches() const { return matches_; }

 private:
  void collect(const ConnectionTree& tree, std::vector<const TreeNode*> candidates,
               const TreeNode* keep);
  void showWithAncestors(const TreeNode* node);

  FilterWords words_;
  std::vector<const TreeNode*> matches_;
  std::unordered_set<const TreeNode*> shown_;
  bool narrowable_ = false;  // matches_ holds nodes of the tree as it is
};

}  // namespace skelder
