#include "gui/properties/MacroPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/editor/MacroEditor.h"
#include "gui/properties/LoadedText.h"
#include "gui/ui/Named.h"

namespace skelder {

MacroPage::MacroPage(TtlHighlighter& ttm, const ProgramServices& services, QWidget* parent)
    : CoverablePage("TS1Panel", parent) {
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  Memo1 = new MacroEditor(ttm, services);
  layout->addWidget(Memo1, 1);
  TS1bPanel = Named(new QWidget, "TS1bPanel");
  auto* bar = new QHBoxLayout(TS1bPanel);
  bar->setContentsMargins(4, 2, 4, 2);
  cbLogSession =
      Named(new QCheckBox(QStringLiteral("Start logging when the macro ends")), "cbLogSession");
  bar->addWidget(cbLogSession);
  bar->addStretch();
  layout->addWidget(TS1bPanel);
  setContent(content);
}

void MacroPage::Load(const QString& macro, bool startLogging) {
  if (macro != Memo1->text()) LoadEditorText(*Memo1, macro);
  if (cbLogSession->isChecked() != startLogging) cbLogSession->setChecked(startLogging);
}

QString MacroPage::macroText() const { return Memo1->text(); }

}  // namespace skelder
