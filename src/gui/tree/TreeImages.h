#pragma once
// The nine images of the tree, by index: 0 a monitor, 1 a blank page, 2 a page with
// lines of text, 3 a short line, 4 a stack of pages, 5-7 grey versions of 1-3 (nodes
// waiting to be moved by a cut), 8 empty. Drawn once, 16x18 pixels each.
#include <QIcon>
#include <vector>

namespace skelder {

const std::vector<QIcon>& TreeImages();

}  // namespace skelder
