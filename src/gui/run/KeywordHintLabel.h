#pragma once
// The keyword hint of the macro editor (stLabel): Ctrl and a mouse press on a keyword
// show its value for the focused connection for three seconds (Timer6).
#include <QLabel>
#include <QTimer>
#include <functional>
#include <string>

class QsciScintilla;

namespace skelder {

class KeywordStore;

class KeywordHintLabel : public QLabel {
  Q_OBJECT
 public:
  // valueText gives the hint's text for a word ("[Not set]" without a value); it is asked
  // only for the Skelder keywords of the keyword store.
  KeywordHintLabel(QsciScintilla* editor, const KeywordStore& keywords,
                   std::function<std::string(const std::string&)> valueText);

  QTimer* Timer6() const { return timer6_; }
  // The word of the editor at a point of its viewport (keyword characters included).
  std::string WordAt(const QPoint& point) const;
  // What a press with Ctrl at the point does.
  void ShowFor(const QPoint& point);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QsciScintilla* editor_;
  // Kept from the start: while the editor is being destroyed it may not be asked for it.
  QWidget* viewport_;
  const KeywordStore& keywords_;
  std::function<std::string(const std::string&)> valueText_;
  QTimer* timer6_;
};

}  // namespace skelder
