#pragma once
// The window shown while the program starts: borderless, white, on top of the others in
// the middle of the screen, with the product, its version and a progress bar that the
// table reader advances while the last table loads.
#include <QWidget>

class QProgressBar;

namespace skelder {

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  // The bar at position out of total; it repaints at once, without the event loop.
  void ShowProgress(int position, int total);
  QProgressBar* progressBar() const { return progress_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QProgressBar* progress_;
};

}  // namespace skelder
