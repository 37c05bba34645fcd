#pragma once
// Gives a new widget its object name, by which the tests and the style find it.
#include <QString>

namespace skelder {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace skelder
