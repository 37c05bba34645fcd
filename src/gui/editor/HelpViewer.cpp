#include "gui/editor/HelpViewer.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QKeyEvent>
#include <filesystem>

#include "core/base/ProgramFolder.h"
#include "core/editor/ContextHelp.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/ui/ProgramServices.h"

namespace skelder {

namespace {

constexpr int kProductHelpTopic = 5000;
constexpr int kMacroHelpTopic = 90000;

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

HelpViewer::HelpViewer(QsciScintilla& editor, const TtlHighlighter& ttm,
                       const ProgramServices& services, QObject* parent)
    : QObject(parent),
      services_(services),
      ttm_(ttm),
      editor_(&editor),
      helpContext_(kMacroPageTopic) {
  editor_->installEventFilter(this);
}

bool HelpViewer::SelectHelpFile(const std::string& name) {
  const std::string path = ProgramFilePath(services_.programFolder, name);
  if (!FileExists(path)) {
    services_.dialogs.error("Help file '" + path + "' not found.");
    return false;
  }
  helpFile_ = path;
  return true;
}

void HelpViewer::SelectHelpFileQuietly(const std::string& name) {
  const std::string path = ProgramFilePath(services_.programFolder, name);
  if (FileExists(path)) helpFile_ = path;
}

// The HTML Help viewer of the Windows folder opens the topic with that context number.
void HelpViewer::ShowTopic(int number) {
  if (helpFile_.empty()) return;
  Platform& platform = services_.platform;
  std::string viewer = platform.system->windowsFolder();
  if (!viewer.empty() && viewer.back() != '/' && viewer.back() != '\\') viewer += PathSeparator();
  viewer += "hh.exe";
  const std::vector<std::string> paths = platform.paths->pathsFor(viewer, {helpFile_});
  platform.starter->open(viewer, "-mapid " + std::to_string(number) + " \"" + paths.front() + "\"",
                         "");
}

void HelpViewer::ShowProductHelp() {
  if (SelectHelpFile("Skelder.chm")) ShowTopic(kProductHelpTopic);
}

void HelpViewer::ShowMacroHelp() {
  if (SelectHelpFile("TeraTerm.chm")) ShowTopic(kMacroHelpTopic);
}

// The word at the caret, else the selected text.
std::string HelpViewer::wordAtCaret() const {
  int line = 0, index = 0;
  editor_->getCursorPosition(&line, &index);
  const std::string word =
      WordAt(editor_->text(line).toLatin1().toStdString(), static_cast<size_t>(index));
  if (!word.empty()) return word;
  return editor_->selectedText().toLatin1().toStdString();
}

void HelpViewer::ShowContextHelp() {
  const std::string word = wordAtCaret();
  if (word.empty()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const HelpTopic topic = HelpTopicOf(ttm_.keywords().HelpNumber(Lower(word)));
  QApplication::restoreOverrideCursor();
  switch (topic.source) {
    case HelpSource::CurrentFile:
      helpContext_ = topic.number;
      ShowTopic(helpContext_);
      break;
    case HelpSource::Product:
      if (SelectHelpFile("Skelder.chm")) {
        helpContext_ = topic.number;
        ShowTopic(helpContext_);
      }
      break;
    case HelpSource::TeraTerm:
      if (SelectHelpFile("TeraTerm.chm")) ShowTopic(topic.number);
      break;
  }
}

// Ctrl+F1 with no other modifier; the macro editor alone reacts.
bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::ControlModifier) {
      ShowContextHelp();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace skelder
