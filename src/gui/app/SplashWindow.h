#pragma once
// The window shown while the program loads.
#include <QWidget>

namespace skelder {

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SplashWindow(QWidget* parent = nullptr);
};

}  // namespace skelder
