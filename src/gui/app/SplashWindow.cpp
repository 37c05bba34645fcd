#include "gui/app/SplashWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace skelder {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("SplashWindow"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("Skelder Configuration"), this);
  QFont font = title->font();
  font.setPointSize(font.pointSize() * 2);
  font.setBold(true);
  title->setFont(font);
  layout->addWidget(title, 0, Qt::AlignCenter);
  layout->addWidget(new QLabel(QStringLiteral("Version " SKELDER_VERSION), this), 0,
                    Qt::AlignCenter);
  layout->addWidget(new QLabel(QStringLiteral("Loading..."), this), 0, Qt::AlignCenter);
  setFixedSize(360, 160);
}

}  // namespace skelder
