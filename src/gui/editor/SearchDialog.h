#pragma once
// The search dialog ("Search Text") and, with a replacement field, the replace dialog
// ("Replace text").
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QRadioButton>

#include "core/editor/SearchState.h"

namespace skelder {

class SearchDialog : public QDialog {
  Q_OBJECT
 public:
  SearchDialog(bool replace, QWidget* parent = nullptr);

  // Fills the dialog from the state; initialText is the search field's text.
  void Show(const SearchState& state, const std::string& initialText);
  // On OK: the histories updated, then everything copied back into the state.
  void Take(SearchState& state);

  QComboBox* cbSearchText;
  QComboBox* cbReplaceText = nullptr;
  QCheckBox* cbSearchCaseSensitive;
  QCheckBox* cbSearchWholeWords;
  QCheckBox* cbSearchFromCursor;
  QCheckBox* cbSearchSelectedOnly;
  QCheckBox* cbRegularExpression;
  QRadioButton* forward;
  QRadioButton* backward;

 private:
  const bool replace_;
};

}  // namespace skelder
