#include "gui/integration/SplashWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/integration/VersionLines.h"
#include "gui/integration/ProductPicture.h"
#include "gui/ui/CenterOnScreen.h"

namespace skelder {

namespace {

QLabel* Line(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("SplashWindow"));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  setPalette(white);
  setAutoFillBackground(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 16, 24, 16);
  auto* picture = new QLabel(this);
  picture->setPixmap(ProductPicture(64));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);
  QLabel* product = Line(QStringLiteral("Skelder"), "lblProduct", this);
  QFont big = product->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  product->setFont(big);
  layout->addWidget(product);
  layout->addWidget(
      Line(QString::fromStdString(VersionLine(ProgramVersion())), "lblVersion", this));
  layout->addWidget(Line(QString::fromStdString(BuildLine()) + QLatin1Char('.'), "lblBuild", this));
  layout->addWidget(Line(QStringLiteral("Starting Configuration Utility..."), "lblStarting", this));
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setTextVisible(false);
  progress_->setRange(0, 100);
  progress_->setValue(0);
  layout->addWidget(progress_);
  setFixedSize(380, sizeHint().height());
}

void SplashWindow::ShowProgress(int position, int total) {
  progress_->setRange(0, std::max(total, 0));
  progress_->setValue(std::clamp(position, 0, std::max(total, 0)));
}

void SplashWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CenterOnScreen(this);
}

}  // namespace skelder
