#pragma once
// Places a window in the middle of the screen it is on (the primary one before it is
// shown), within the area that panels leave free.
class QWidget;

namespace skelder {

void CenterOnScreen(QWidget* window);

}  // namespace skelder
