#pragma once
// A connection page that a panel can cover, showing why the page does not apply (the
// "N/A" panels TS1Panel .. TS4Panel). A covered page accepts no input.
#include <QLabel>
#include <QStackedLayout>
#include <QWidget>

namespace skelder {

class CoverablePage : public QWidget {
  Q_OBJECT
 public:
  CoverablePage(QWidget* content, const char* panelName, QWidget* parent = nullptr);

  void setCovered(bool covered);
  bool isCovered() const { return stack_->currentIndex() == 1; }
  void setPanelText(const QString& text) { panel_->setText(text); }
  QString panelText() const { return panel_->text(); }
  QWidget* content() const { return content_; }

 protected:
  // For a page that builds its content after the panel: the content is set once.
  CoverablePage(const char* panelName, QWidget* parent);
  void setContent(QWidget* content);

 private:
  QWidget* content_ = nullptr;
  QLabel* panel_;
  QStackedLayout* stack_;
};

}  // namespace skelder
