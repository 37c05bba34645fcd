#pragma once
// The two header lines printed above a macro: the table file and the page on the first,
// the connection's place in the tree and the time on the second. The right-hand texts
// hold the placeholders "$PAGENUM$", "$PAGECOUNT$", "$DATE$" and "$TIME$", filled for
// each page.
#include <string>

#include "core/tree/TreeNode.h"

namespace skelder {

struct PrintHeaderLine {
  std::string left;
  std::string right;
  bool operator==(const PrintHeaderLine& o) const { return left == o.left && right == o.right; }
};

struct PrintHeader {
  PrintHeaderLine file;   // "File: " + table path | "Page $PAGENUM$ of $PAGECOUNT$"
  PrintHeaderLine macro;  // "Macro: " + node path | "$DATE$ $TIME$"
};

// What the placeholders stand for on one page; date and time are texts as the printing
// code formats them.
struct PrintPage {
  int number = 1;
  int count = 1;
  std::string date;
  std::string time;
};

// The header for a table file (its full path, empty for a table not yet saved) and the
// node path of the connection shown.
PrintHeader MakePrintHeader(const std::string& tableFile, const std::string& nodePath);

// The text with each placeholder replaced, in one pass: what a value brings in is not
// looked at again. Other texts between dollar signs stay.
std::string FillPrintPlaceholders(const std::string& text, const PrintPage& page);

// The header as printed on the page. Only the right-hand texts are filled: the file and
// node paths on the left are the user's and are printed as they stand, dollar signs and
// all.
PrintHeader PageHeader(const PrintHeader& header, const PrintPage& page);

// The names of the node and its ancestors below the ComputerNode, from the highest down,
// each preceded by "/": "/Routers/telnet". Empty for the ComputerNode.
std::string NodePath(const TreeNode& node);

}  // namespace skelder
