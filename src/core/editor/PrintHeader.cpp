#include "core/editor/PrintHeader.h"

#include <vector>

namespace skelder {

PrintHeader MakePrintHeader(const std::string& tableFile, const std::string& nodePath) {
  return {{"File: " + tableFile, "Page $PAGENUM$ of $PAGECOUNT$"},
          {"Macro: " + nodePath, "$DATE$ $TIME$"}};
}

std::string FillPrintPlaceholders(const std::string& text, const PrintPage& page) {
  const std::pair<std::string, std::string> values[] = {
      {"$PAGENUM$", std::to_string(page.number)},
      {"$PAGECOUNT$", std::to_string(page.count)},
      {"$DATE$", page.date},
      {"$TIME$", page.time},
  };
  std::string filled;
  size_t at = 0;
  while (at < text.size()) {
    const size_t dollar = text.find('$', at);
    if (dollar == std::string::npos) break;
    filled.append(text, at, dollar - at);
    at = dollar + 1;
    bool replaced = false;
    for (const auto& [placeholder, value] : values) {
      if (text.compare(dollar, placeholder.size(), placeholder) == 0) {
        filled += value;
        at = dollar + placeholder.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) filled += '$';
  }
  filled.append(text, at, std::string::npos);
  return filled;
}

PrintHeader PageHeader(const PrintHeader& header, const PrintPage& page) {
  PrintHeader filled = header;
  filled.file.right = FillPrintPlaceholders(header.file.right, page);
  filled.macro.right = FillPrintPlaceholders(header.macro.right, page);
  return filled;
}

std::string NodePath(const TreeNode& node) {
  std::vector<const TreeNode*> chain;
  // The ComputerNode is the one top-level node: it has no parent.
  for (const TreeNode* n = &node; n->parent(); n = n->parent()) chain.push_back(n);
  std::string path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) path += "/" + (*it)->data.Name;
  return path;
}

}  // namespace skelder
