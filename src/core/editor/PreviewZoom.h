#pragma once
// The zoom list of the print preview ("CBScale"), its default and how mouse clicks in the
// preview step through it.
#include <array>

namespace skelder {

enum class ZoomMode { WholePage, PageWidth, Percent };

struct PreviewZoom {
  const char* caption;
  ZoomMode mode;
  int percent;  // for ZoomMode::Percent
};

inline constexpr std::array<PreviewZoom, 9> kPreviewZooms = {{
    {"Whole Page", ZoomMode::WholePage, 0},
    {"Page Width", ZoomMode::PageWidth, 0},
    {"25%", ZoomMode::Percent, 25},
    {"50%", ZoomMode::Percent, 50},
    {"100%", ZoomMode::Percent, 100},
    {"150%", ZoomMode::Percent, 150},
    {"200%", ZoomMode::Percent, 200},
    {"300%", ZoomMode::Percent, 300},
    {"400%", ZoomMode::Percent, 400},
}};

// "100%"; also what a saved index outside the list stands for.
inline constexpr int kDefaultPreviewZoom = 4;

// The saved index when it is one of the list, otherwise the default.
int ValidPreviewZoom(int index);

enum class PreviewClick { Left, Right, Other };

// The index after a click in the preview: a left click selects the next entry, a right
// click the previous one; at either end of the list, and for other buttons, the index
// stays.
int ZoomAfterClick(int index, PreviewClick click);

}  // namespace skelder
