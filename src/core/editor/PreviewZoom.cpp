#include "core/editor/PreviewZoom.h"

namespace skelder {

int ValidPreviewZoom(int index) {
  return index >= 0 && index < static_cast<int>(kPreviewZooms.size()) ? index : kDefaultPreviewZoom;
}

int ZoomAfterClick(int index, PreviewClick click) {
  index = ValidPreviewZoom(index);
  const int last = static_cast<int>(kPreviewZooms.size()) - 1;
  if (click == PreviewClick::Left && index < last) return index + 1;
  if (click == PreviewClick::Right && index > 0) return index - 1;
  return index;
}

}  // namespace skelder
