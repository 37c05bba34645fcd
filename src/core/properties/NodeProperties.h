#pragma once
// What the property pages do with a node's record, without the widgets.
#include <array>
#include <string>

#include "core/base/Clock.h"
#include "core/text/Texts.h"
#include "core/tree/ConnectionTree.h"

namespace skelder {

// "dddd, dd-mmm-yyyy hh:nn:ss": the full day name and the short month name of the
// locale, as in "Tuesday, 08-Dec-2026 21:05:09".
struct LocaleNames {
  std::array<std::string, 7> days;     // Sunday first
  std::array<std::string, 12> months;  // short names, January first
};
const LocaleNames& EnglishNames();
std::string FormatLastUpdated(const LocalTime& time, const LocaleNames& names);

// Why the connection pages do not apply: empty when exactly one node is selected, it is
// the focused node, and it is neither the ComputerNode nor a separator line.
std::string PagesCoverText(const ConnectionTree& tree);

// "=" + the five fields trimmed and joined by single blanks.
std::string BuildScheduleString(const std::array<std::string, 5>& fields);

// The page contents written into a node by Apply.
struct PageContents {
  std::string macroText;   // the macro editor's text
  std::string popupText;   // the popup editor's text
  std::string colors;      // the working colour set as a colour string
  bool scheduled = false;  // "Execute according to schedule"
  std::array<std::string, 5> scheduleFields;
  bool startLogging = false;
};

// Stores the contents into the record: texts trimmed and encoded, the time stamp, the
// schedule, the logging flag and the kind (2 with a macro, else 1).
void ApplyPageContents(rVTNodeData& data, const PageContents& pages, const std::string& stamp);

}  // namespace skelder
