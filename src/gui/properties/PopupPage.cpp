#include "gui/properties/PopupPage.h"

#include <Qsci/qsciscintilla.h>

#include "gui/properties/LoadedText.h"
#include "gui/ui/ConnectionEditor.h"

namespace skelder {

PopupPage::PopupPage(QWidget* parent) : CoverablePage("TS2Panel", parent) {
  Memo2 = new QsciScintilla;
  SetUpConnectionEditor(*Memo2, "Memo2", false);
  Memo2->setTabIndents(true);
  setContent(Memo2);
}

void PopupPage::Load(const QString& popup) {
  if (popup != Memo2->text()) LoadEditorText(*Memo2, popup);
}

QString PopupPage::popupText() const { return Memo2->text(); }

}  // namespace skelder
