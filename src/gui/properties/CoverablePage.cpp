#include "gui/properties/CoverablePage.h"

namespace skelder {

CoverablePage::CoverablePage(QWidget* content, const char* panelName, QWidget* parent)
    : QWidget(parent), content_(content), panel_(new QLabel(QStringLiteral("N/A"))) {
  panel_->setObjectName(QLatin1String(panelName));
  panel_->setAlignment(Qt::AlignCenter);
  panel_->setAutoFillBackground(true);
  stack_ = new QStackedLayout(this);
  stack_->addWidget(content_);
  stack_->addWidget(panel_);
}

void CoverablePage::setCovered(bool covered) { stack_->setCurrentIndex(covered ? 1 : 0); }

}  // namespace skelder
