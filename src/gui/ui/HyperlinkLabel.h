#pragma once
// A label that reacts like a link: the hand pointer while the mouse is over it, a click
// reported by clicked(). Underlined always, or only while the mouse is over it.
#include <QLabel>

namespace skelder {

class HyperlinkLabel : public QLabel {
  Q_OBJECT
 public:
  enum class Underline { Always, WhileHovered };
  HyperlinkLabel(const QString& text, Underline underline, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setUnderlined(bool on);

  Underline underline_;
};

}  // namespace skelder
