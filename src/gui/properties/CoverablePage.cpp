#include "gui/properties/CoverablePage.h"

namespace skelder {

CoverablePage::CoverablePage(QWidget* content, const char* panelName, QWidget* parent)
    : CoverablePage(panelName, parent) {
  setContent(content);
}

CoverablePage::CoverablePage(const char* panelName, QWidget* parent)
    : QWidget(parent), panel_(new QLabel(QStringLiteral("N/A"))) {
  panel_->setObjectName(QLatin1String(panelName));
  panel_->setAlignment(Qt::AlignCenter);
  panel_->setAutoFillBackground(true);
  stack_ = new QStackedLayout(this);
  stack_->addWidget(panel_);
}

void CoverablePage::setContent(QWidget* content) {
  content_ = content;
  stack_->insertWidget(0, content_);
  stack_->setCurrentIndex(0);
}

void CoverablePage::setCovered(bool covered) { stack_->setCurrentIndex(covered ? 1 : 0); }

}  // namespace skelder
