#include "gui/editor/MacroCheckWindow.h"

#include <Qsci/qsciscintilla.h>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/editor/MacroCheckMarks.h"
#include "gui/ui/LocalText.h"

namespace skelder {

MacroCheckWindow::MacroCheckWindow(MacroCheckMarks& marks, QsciScintilla& editor, QWidget* parent)
    : QDialog(parent), marks_(marks), editor_(editor), list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("MacroCheckWindow"));
  setWindowTitle(QStringLiteral("Check macro"));
  list_->setObjectName(QStringLiteral("MacroFindings"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  resize(460, 220);
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { jumpTo(list_->row(item)); });
  connect(&marks_, &MacroCheckMarks::findingsChanged, this, [this] {
    if (isVisible()) fill();
  });
}

void MacroCheckWindow::ShowFindings() {
  marks_.CheckNow();
  fill();
  show();
  raise();
}

void MacroCheckWindow::fill() {
  list_->clear();
  for (const MacroFinding& finding : marks_.findings())
    list_->addItem(
        QStringLiteral("Ln %1, Col %2: %3: %4")
            .arg(finding.line)
            .arg(finding.column)
            .arg(QLatin1String(SeverityText(finding.severity)), FromLocal(finding.message)));
  if (marks_.findings().empty()) list_->addItem(QStringLiteral("No problems found"));
}

void MacroCheckWindow::jumpTo(int row) {
  const auto& findings = marks_.findings();
  if (row < 0 || row >= static_cast<int>(findings.size())) return;
  const MacroFinding& finding = findings[static_cast<size_t>(row)];
  editor_.setCursorPosition(finding.line - 1, finding.column - 1);
  editor_.setFocus();
}

}  // namespace skelder
