#include "gui/editor/CompletionProposal.h"

#include <Qsci/qsciscintilla.h>
#include <QKeyEvent>

#include "core/base/UserDialogs.h"
#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

constexpr int kListId = 1;
constexpr int kVisibleLines = 4;
constexpr int kTriggerDelay = 500;
const char kEndOfToken[] = "()[]<>. ";

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

CompletionProposal::CompletionProposal(QsciScintilla* editor, UserDialogs& dialogs)
    : QObject(editor), editor_(editor), dialogs_(dialogs), timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("SCP"));
  timer_->setSingleShot(true);
  timer_->setInterval(kTriggerDelay);
  connect(timer_, &QTimer::timeout, this, [this] {
    int line = 0, index = 0;
    editor_->getCursorPosition(&line, &index);
    if (index > 0 && editor_->text(line).toLatin1().at(index - 1) == '.') Open();
  });
  connect(editor_, &QsciScintilla::userListActivated, this, &CompletionProposal::complete);
  editor_->SendScintilla(QsciScintilla::SCI_AUTOCSETMAXHEIGHT, kVisibleLines);
  editor_->SendScintilla(QsciScintilla::SCI_AUTOCSETFILLUPS, 0UL, kEndOfToken);
  editor_->SendScintilla(QsciScintilla::SCI_AUTOCSETORDER, 2UL);  // as listed
  editor_->installEventFilter(this);
}

void CompletionProposal::LoadList(const std::string& path) { list_.Load(path); }

// The word typed so far: back from the caret to an end-of-token character.
std::string CompletionProposal::typedWord(int* start) const {
  int line = 0, index = 0;
  editor_->getCursorPosition(&line, &index);
  const std::string text = editor_->text(line).toLatin1().toStdString();
  int begin = std::min(index, static_cast<int>(text.size()));
  const int end = begin;
  while (begin > 0 && std::string(kEndOfToken).find(text[begin - 1]) == std::string::npos &&
         text[begin - 1] != '\t')
    --begin;
  *start = editor_->positionFromLineIndex(line, begin);
  return text.substr(static_cast<size_t>(begin), static_cast<size_t>(end - begin));
}

void CompletionProposal::Open() {
  if (list_.displayTexts.empty()) {
    dialogs_.messageBox(MessageKind::Warning, MessageButtons::Ok,
                        "SynComp.pro file not found. Completion Proposal is disabled.");
    return;
  }
  const std::string word = Lower(typedWord(&wordStart_));
  shown_.clear();
  QStringList items;
  for (size_t i = 0; i < list_.insertTexts.size(); ++i) {
    if (Lower(list_.insertTexts[i]).rfind(word, 0) != 0) continue;
    shown_.push_back(static_cast<int>(i));
    items << FromLocal(PlainDisplayText(list_.displayTexts[i]));
  }
  if (items.isEmpty()) return;
  editor_->showUserList(kListId, items);
}

void CompletionProposal::complete(int id, const QString& text) {
  if (id != kListId) return;
  for (int index : shown_) {
    const std::string& display = list_.displayTexts[static_cast<size_t>(index)];
    if (FromLocal(PlainDisplayText(display)) != text) continue;
    int line = 0, column = 0;
    editor_->getCursorPosition(&line, &column);
    const int caret = editor_->positionFromLineIndex(line, column);
    editor_->SendScintilla(QsciScintilla::SCI_SETSEL, static_cast<unsigned long>(wordStart_),
                           static_cast<long>(caret));
    editor_->replaceSelectedText(FromLocal(list_.insertTexts[static_cast<size_t>(index)]));
    break;
  }
  shown_.clear();
}

bool CompletionProposal::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space && key->modifiers() == Qt::ControlModifier) {
      Open();
      return true;
    }
    if (key->text() == QLatin1String(".")) timer_->start();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace skelder
