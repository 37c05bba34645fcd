#pragma once
// The "Macro" page: the macro editor Memo1 with the logging option below it.
#include <QCheckBox>

#include "gui/properties/CoverablePage.h"

namespace skelder {

class MacroEditor;
class TtlHighlighter;
struct ProgramServices;

class MacroPage : public CoverablePage {
  Q_OBJECT
 public:
  MacroPage(TtlHighlighter& ttm, const ProgramServices& services, QWidget* parent);

  // The node's macro text and logging option, shown without counting as the user's edit.
  void Load(const QString& macro, bool startLogging);
  QString macroText() const;
  bool startLogging() const { return cbLogSession->isChecked(); }

  MacroEditor* Memo1;
  QWidget* TS1bPanel;
  QCheckBox* cbLogSession;
};

}  // namespace skelder
