#include "core/run/MacroAssembly.h"

#include <algorithm>

#include "core/text/Texts.h"
#include "core/tree/NodeTextEncoding.h"

namespace skelder {

namespace {

// The ComputerNode is the one top-level node.
bool IsComputerNode(const TreeNode* node) { return node->parent() == nullptr; }

std::string ReplaceAll(const std::string& text, const std::string& keyword,
                       const std::string& value) {
  if (keyword.empty()) return text;
  std::string result;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(keyword, from)) != std::string::npos;
       from = at + keyword.size())
    result.append(text, from, at - from).append(value);
  return result.append(text, from, std::string::npos);
}

// Fills in "$parent$" and "$PARENT$" for the node that owns the text. Only those two
// forms are replaced, but any letter case of the keyword sets the step off.
std::string ReplaceParentKeywords(const std::string& text, const TreeNode& owner) {
  if (UpperCase(text).find("$PARENT$") == std::string::npos) return text;
  return ReplaceNameKeywords(text, BranchParentName(owner), "$parent$", "$PARENT$");
}

}  // namespace

bool BranchRunOffered(const TreeNode& node) {
  if (node.data.Level < 2) return false;
  for (const TreeNode* up = node.parent(); up; up = up->parent())
    if (!TrimText(up->data.Macro).empty()) return true;
  return false;
}

std::string CaptureTextToCursor(const std::string& editorText, int caretLine) {
  const std::vector<std::string> lines = SplitLines(editorText);
  const std::size_t count =
      caretLine < 0 ? 0 : std::min(lines.size(), static_cast<std::size_t>(caretLine) + 1);
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += lines[i] + "\r\n";
  return text;
}

std::string ReplaceNameKeywords(const std::string& text, const std::string& ownerName,
                                const std::string& lowerKeyword, const std::string& upperKeyword) {
  const std::string firstWord = ownerName.substr(0, ownerName.find(' '));
  return ReplaceAll(ReplaceAll(text, lowerKeyword, firstWord), upperKeyword, ownerName);
}

std::string BranchParentName(const TreeNode& node) {
  const TreeNode* parent = node.parent();
  return parent && !IsComputerNode(parent) ? parent->data.Name : std::string();
}

std::string AssembleMacro(const TreeNode& node, bool wholeMacro, bool withAncestors,
                          const EditorText& editor, MacroLineList& lines) {
  std::string own;
  if (!wholeMacro) {
    own = editor.toCursor;
  } else if (editor.pendingEdits) {
    own = editor.text;
  } else {
    own = DecodeNodeText(node.data.Macro);
  }
  lines.load(ReplaceNameKeywords(own, node.data.Name, "$connection$", "$CONNECTION$"));
  lines.load(ReplaceParentKeywords(lines.text(), node));
  std::string branch = node.data.Name + "_";
  if (!withAncestors) return branch;

  for (const TreeNode* a = node.parent(); a && !IsComputerNode(a); a = a->parent()) {
    lines.load(DecodeNodeText(a->data.Macro) + "\r\n" + lines.text());
    if (!a->data.Name.empty()) branch = a->data.Name + "_" + branch;
    lines.load(ReplaceNameKeywords(lines.text(), a->data.Name, "$connection$", "$CONNECTION$"));
    lines.load(ReplaceParentKeywords(lines.text(), *a));
  }
  return branch;
}

}  // namespace skelder
