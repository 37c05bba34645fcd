#pragma once
// The product's picture on the splash and about windows: a small connection tree.
#include <QPixmap>

namespace skelder {

QPixmap ProductPicture(int size);

}  // namespace skelder
