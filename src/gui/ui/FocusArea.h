#pragma once
// Which control of the main window has the keyboard focus.
namespace skelder {

enum class FocusArea {
  None = -1,
  Tree = 0,
  MacroEditor = 1,
  PopupEditor = 2,
  UserName = 3,
  Email = 4,
  Phone = 5,
  Minute = 6,  // the five schedule fields, in their order
  Hour = 7,
  DayOfMonth = 8,
  Month = 9,
  DayOfWeek = 10,
  NameEditor = 11,  // the tree's in-place editor of a node's name
  Mobile = 12,
  Pager = 13,
  TemplateFile = 14,
};

inline bool IsScheduleField(FocusArea area) {
  return area >= FocusArea::Minute && area <= FocusArea::DayOfWeek;
}

// The editors and fields that type in insert or overwrite mode.
inline bool TypesText(FocusArea area) {
  return area != FocusArea::None && area != FocusArea::Tree && area != FocusArea::NameEditor;
}

}  // namespace skelder
