#pragma once
// The macro templates of the template file ("ttmacro.tpl" by default): the items of the
// "Import macro Template" submenu and the template store with their bodies, and the rule
// by which a template goes into the macro editor's text.
//
// The file is plain text of lines (CR LF, LF or a lone CR ends a line). A line that,
// trimmed and upper-cased, begins with "[MACRO_TEMPLATE " is a header; the name follows
// those 16 characters, counted from the line's first "[", up to the first "]" or the end
// of the line, exactly as written. A header named "SEPARATOR" (in any case) is a menu
// separator and the lines below it are ignored; every other header starts a template
// whose body is the lines up to the next header. Lines before the first header belong
// to nothing.
#include <string>
#include <system_error>
#include <vector>

namespace skelder {

struct TemplateMenuItem {
  bool separator = false;
  std::string caption;  // the template's name; empty for a separator
  int tag = 0;          // the template's ordinal, its entry in the store; 0 for a separator
  int headerLine = 0;   // the 0-based index of the header line in the file

  // The item's object name: "MnTemplate" followed by headerLine.
  std::string name() const { return "MnTemplate" + std::to_string(headerLine); }
};

class MacroTemplates {
 public:
  enum class LoadResult { Read, Missing, Unreadable };

  // Replaces the items and the store with those of the file's text. A text without
  // headers leaves both empty.
  void Read(const std::string& text);
  // The same from the file. When no file stands at the path (Missing) or it cannot be
  // read (Unreadable, with the system's reason in error) the items and the store keep
  // what they held.
  LoadResult Load(const std::string& path, std::error_code* error = nullptr);

  // In file order, separators included.
  const std::vector<TemplateMenuItem>& items() const { return items_; }
  // Entry k holds the body of the template with ordinal k: whole lines, each ending in
  // CR LF (empty when no line follows the header).
  const std::vector<std::string>& bodies() const { return bodies_; }

 private:
  std::vector<TemplateMenuItem> items_;
  std::vector<std::string> bodies_;
};

// The macro editor's text after a template has been inserted, and where the caret goes.
struct TemplateInsertion {
  std::string text;
  // The start of the line after the template's body (the empty line that follows it).
  size_t caret = 0;
};

// Inserts body into text (the editor's whole text with CR LF line ends, so that a line
// break counts two positions). The part in front of selectionStart and the part behind
// selectionEnd are kept; what lies between (the selection) is replaced. With the caret in
// the first column of its line the result is front + body + CR LF + back, otherwise
// front + CR LF + body + CR LF + back, so a template inserted inside a line splits it.
// Positions beyond the text count as its end; the two may come in either order.
TemplateInsertion InsertTemplate(const std::string& text, size_t selectionStart,
                                 size_t selectionEnd, bool caretInFirstColumn,
                                 const std::string& body);

}  // namespace skelder
