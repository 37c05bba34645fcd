#pragma once
// The "Popup" page: the popup editor Memo2.
#include "gui/properties/CoverablePage.h"

class QsciScintilla;

namespace skelder {

class PopupPage : public CoverablePage {
  Q_OBJECT
 public:
  explicit PopupPage(QWidget* parent);

  // The node's popup text, shown without counting as the user's edit.
  void Load(const QString& popup);
  QString popupText() const;

  QsciScintilla* Memo2;
};

}  // namespace skelder
