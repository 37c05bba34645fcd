#include "gui/run/KeywordHintLabel.h"

#include <Qsci/qsciscintilla.h>
#include <QMouseEvent>

#include "core/run/KeywordHint.h"
#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

bool IsWordByte(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return std::isalnum(u) || c == '_' || c == '$' || c == '[' || c == ']' || u >= 0x80;
}

}  // namespace

KeywordHintLabel::KeywordHintLabel(QsciScintilla* editor, const KeywordStore& keywords,
                                   std::function<std::string(const std::string&)> valueText)
    : QLabel(editor),
      editor_(editor),
      keywords_(keywords),
      valueText_(std::move(valueText)),
      timer6_(new QTimer(this)) {
  setObjectName(QStringLiteral("stLabel"));
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::ToolTipBase);
  setForegroundRole(QPalette::ToolTipText);
  hide();
  timer6_->setObjectName(QStringLiteral("Timer6"));
  timer6_->setSingleShot(true);
  timer6_->setInterval(3000);
  connect(timer6_, &QTimer::timeout, this, &QWidget::hide);
  viewport_ = editor_->viewport();
  viewport_->installEventFilter(this);
}

std::string KeywordHintLabel::WordAt(const QPoint& point) const {
  const long position =
      editor_->SendScintilla(QsciScintilla::SCI_POSITIONFROMPOINTCLOSE,
                             static_cast<unsigned long>(point.x()), static_cast<long>(point.y()));
  if (position < 0) return {};
  int line = 0, index = 0;
  editor_->lineIndexFromPosition(static_cast<int>(position), &line, &index);
  const std::string text = ToLocal(editor_->text(line));
  size_t begin = std::min(static_cast<size_t>(index), text.size());
  size_t end = begin;
  while (begin > 0 && IsWordByte(text[begin - 1])) --begin;
  while (end < text.size() && IsWordByte(text[end])) ++end;
  return text.substr(begin, end - begin);
}

void KeywordHintLabel::ShowFor(const QPoint& point) {
  const std::string word = WordAt(point);
  std::string caption = "  ";
  if (IsSkelderKeyword(keywords_, word)) caption = " " + valueText_(word) + " ";
  if (caption == "  ") return;
  setText(FromLocal(caption));
  adjustSize();
  int left = point.x();
  if (left + width() > editor_->width()) left = editor_->width() - width();
  const int top = std::max(0, point.y() - height());
  move(std::max(0, left), top);
  timer6_->start();
  show();
  raise();
}

bool KeywordHintLabel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport_ && event->type() == QEvent::MouseButtonPress) {
    hide();
    auto* press = static_cast<QMouseEvent*>(event);
    if (press->modifiers() & Qt::ControlModifier) ShowFor(press->position().toPoint());
  }
  return QLabel::eventFilter(watched, event);
}

}  // namespace skelder
