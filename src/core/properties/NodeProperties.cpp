#include "core/properties/NodeProperties.h"

#include <cstdio>

#include "core/tree/NodeKinds.h"
#include "core/tree/NodeTextEncoding.h"

namespace skelder {

const LocaleNames& EnglishNames() {
  static const LocaleNames names{
      {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
      {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}};
  return names;
}

std::string FormatLastUpdated(const LocalTime& t, const LocaleNames& names) {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%02d-%s-%04d %02d:%02d:%02d", t.day,
                names.months.at(static_cast<size_t>(t.month - 1)).c_str(), t.year, t.hour, t.minute,
                t.second);
  return names.days.at(static_cast<size_t>(t.dayOfWeek)) + ", " + numbers;
}

std::string PagesCoverText(const ConnectionTree& tree) {
  const int selected = tree.selectedCount();
  if (selected == 0) return "Node not selected";
  if (selected > 1) return "Multiple nodes selected";
  const TreeNode* node = tree.selectedNodes().front();
  if (node != tree.focusedNode() || node == tree.computerNode() || IsSeparator(node->data))
    return "Node not selected";
  return {};
}

std::string BuildScheduleString(const std::array<std::string, 5>& fields) {
  std::string schedule = "=";
  for (size_t i = 0; i < fields.size(); ++i) schedule += (i ? " " : "") + TrimText(fields[i]);
  return schedule;
}

void ApplyPageContents(rVTNodeData& data, const PageContents& pages, const std::string& stamp) {
  data.Colors = pages.colors;
  data.Macro = EncodeNodeText(TrimText(pages.macroText), true);
  data.Popup = EncodeNodeText(TrimText(pages.popupText), true);
  data.LastUpdated = stamp;
  data.Schedule = pages.scheduled ? BuildScheduleString(pages.scheduleFields) : std::string();
  data.StartLogging = pages.startLogging ? 1 : 0;
  data.NodeKind = TrimText(data.Macro).empty() ? 1 : 2;
}

}  // namespace skelder
