#include "gui/properties/PreviewPage.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/UserDialogs.h"
#include "core/text/FileBytes.h"
#include "core/text/FileErrorText.h"
#include "core/tree/ConnectionTree.h"
#include "gui/editor/TtlLexer.h"
#include "gui/ui/ConnectionEditor.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"

namespace skelder {

namespace {

// The pause after the last change before the preview is built anew.
constexpr int kUpdateDelayMs = 300;

}  // namespace

PreviewPage::PreviewPage(TtlHighlighter& ttm, ConnectionTree& tree, Source source, QWidget* parent)
    : CoverablePage("TS5Panel", parent),
      tree_(tree),
      source_(std::move(source)),
      timer_(new QTimer(this)) {
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  lblPreviewNote = Named(new QLabel, "lblPreviewNote");
  lblPreviewNote->setContentsMargins(4, 2, 4, 2);
  lblPreviewNote->setTextFormat(Qt::PlainText);
  lblPreviewNote->hide();
  layout->addWidget(lblPreviewNote);
  MemoPreview = new QsciScintilla;
  SetUpConnectionEditor(*MemoPreview, "MemoPreview", true);
  MemoPreview->setReadOnly(true);
  MemoPreview->setLexer(new TtlLexer(ttm, MemoPreview));
  layout->addWidget(MemoPreview, 1);
  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(4, 2, 4, 2);
  btnCopyPreview = Named(new QPushButton(QStringLiteral("Copy")), "btnCopyPreview");
  bar->addWidget(btnCopyPreview);
  bar->addStretch();
  layout->addLayout(bar);
  setContent(content);

  timer_->setObjectName(QStringLiteral("PreviewTimer"));
  timer_->setSingleShot(true);
  timer_->setInterval(kUpdateDelayMs);
  connect(timer_, &QTimer::timeout, this, &PreviewPage::ShowPreview);
  connect(btnCopyPreview, &QPushButton::clicked, this, &PreviewPage::CopyPreview);
  tree_.addObserver(this);
}

PreviewPage::~PreviewPage() { tree_.removeObserver(this); }

void PreviewPage::ScheduleUpdate() {
  if (isVisible()) timer_->start();
}

void PreviewPage::FlushUpdate() {
  if (!timer_->isActive()) return;
  timer_->stop();
  ShowPreview();
}

void PreviewPage::Cover(bool covered) {
  if (covered == isCovered()) return;
  setCovered(covered);
  if (isVisible()) {
    timer_->stop();
    ShowPreview();
  }
}

void PreviewPage::showEvent(QShowEvent* event) {
  CoverablePage::showEvent(event);
  timer_->stop();
  ShowPreview();
}

void PreviewPage::ShowPreview() {
  std::optional<MacroPreview> preview;
  if (!isCovered() && source_) preview = source_();
  const std::string text = preview ? preview->text() : std::string();
  const QString note = preview ? FromLocal(VariablesNote(preview->variables)) : QString();
  lblPreviewNote->setText(note);
  lblPreviewNote->setVisible(!note.isEmpty());
  if (text == shown_) return;
  shown_ = text;
  // The reader keeps the place in a long macro while the text follows the edits.
  const int first = MemoPreview->firstVisibleLine();
  MemoPreview->setText(FromLocal(text));
  MemoPreview->setFirstVisibleLine(first);
}

void PreviewPage::CopyPreview() {
  FlushUpdate();
  QApplication::clipboard()->setText(FromLocal(shown_));
}

bool PreviewPage::ExportTo(const std::string& path, UserDialogs& dialogs) {
  FlushUpdate();
  if (const std::error_code error = ReplaceFileBytes(path, shown_)) {
    dialogs.error(FileCreateErrorText(path, error));
    return false;
  }
  return true;
}

}  // namespace skelder
