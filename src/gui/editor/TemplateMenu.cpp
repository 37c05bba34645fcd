#include "gui/editor/TemplateMenu.h"

#include <Qsci/qsciscintilla.h>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "core/base/UserDialogs.h"
#include "gui/editor/EditorText.h"
#include "gui/ui/LocalText.h"

namespace skelder {

TemplateMenu::TemplateMenu(QMenu& menu, QsciScintilla& editor, TemplateFileControls controls,
                           UserDialogs& dialogs, QObject* parent)
    : QObject(parent), menu_(menu), editor_(editor), controls_(controls), dialogs_(dialogs) {
  controls_.browse.setEnabled(true);
  controls_.reload.setEnabled(false);
  // Only typing counts: the program's own filling of the box does not enable Reload.
  connect(&controls_.path, &QLineEdit::textEdited, this,
          [this] { controls_.reload.setEnabled(true); });
  connect(&controls_.browse, &QPushButton::clicked, this, &TemplateMenu::browse);
  connect(&controls_.reload, &QPushButton::clicked, this, [this] {
    BuildTemplates();
    controls_.reload.setEnabled(false);
  });
}

void TemplateMenu::BuildTemplates() {
  if (templates_.Load(ToLocal(controls_.path.text())) != MacroTemplates::LoadResult::Read) return;
  rebuildMenu();
}

void TemplateMenu::rebuildMenu() {
  menu_.clear();
  for (const TemplateMenuItem& item : templates_.items()) {
    if (item.separator) {
      menu_.addSeparator();
      continue;
    }
    // An "&" in a name is shown, not taken as the item's accelerator.
    QString caption = FromLocal(item.caption);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    QAction* action = menu_.addAction(caption);
    action->setObjectName(QString::fromStdString(item.name()));
    action->setData(item.tag);
    connect(action, &QAction::triggered, this, [this, tag = item.tag] { InsertTemplate(tag); });
  }
}

void TemplateMenu::browse() {
  const auto path =
      dialogs_.openFile({"", "Template files (*.tpl)|*.tpl|All files (*.*)|*.*", "tpl", ""});
  if (!path) return;
  controls_.path.setText(FromLocal(*path));
  controls_.reload.setEnabled(true);
}

void TemplateMenu::InsertTemplate(int tag) {
  if (tag < 0 || tag >= static_cast<int>(templates_.bodies().size())) return;
  const EditorText text = EditorText::Of(editor_);
  const TemplateInsertion inserted = skelder::InsertTemplate(
      text.bytes, text.selectionStart, text.selectionEnd, text.caretInFirstColumn,
      templates_.bodies()[static_cast<size_t>(tag)]);
  EditorText::Replace(editor_, inserted.text, inserted.caret);
  editor_.setFocus();
  emit editorChanged();
}

}  // namespace skelder
