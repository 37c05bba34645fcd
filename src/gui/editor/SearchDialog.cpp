#include "gui/editor/SearchDialog.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace skelder {

namespace {

QStringList ToList(const std::vector<std::string>& history) {
  QStringList list;
  for (const auto& entry : history) list << FromLocal(entry);
  return list;
}

// Takes the field's text into its history and shows the history again.
std::vector<std::string> UpdatedHistory(QComboBox* field) {
  std::vector<std::string> history;
  for (int i = 0; i < field->count(); ++i) history.push_back(ToLocal(field->itemText(i)));
  const QString text = field->currentText();
  UpdateHistory(history, ToLocal(text));
  field->clear();
  field->addItems(ToList(history));
  field->setCurrentText(text);
  return history;
}

}  // namespace

SearchDialog::SearchDialog(bool replace, QWidget* parent) : QDialog(parent), replace_(replace) {
  setObjectName(replace ? QStringLiteral("TTextReplaceDialog")
                        : QStringLiteral("TTextSearchDialog"));
  setWindowTitle(replace ? QStringLiteral("Replace text") : QStringLiteral("Search Text"));
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QFormLayout;
  cbSearchText = Named(new QComboBox, "cbSearchText");
  cbSearchText->setEditable(true);
  fields->addRow(QStringLiteral("&Search for:"), cbSearchText);
  if (replace) {
    cbReplaceText = Named(new QComboBox, "cbReplaceText");
    cbReplaceText->setEditable(true);
    fields->addRow(QStringLiteral("&Replace with:"), cbReplaceText);
  }
  layout->addLayout(fields);
  auto* row = new QHBoxLayout;
  auto* options = Named(new QGroupBox(QStringLiteral(" Options: ")), "gbSearchOptions");
  auto* o = new QVBoxLayout(options);
  cbSearchCaseSensitive =
      Named(new QCheckBox(QStringLiteral("C&ase sensitivity")), "cbSearchCaseSensitive");
  cbSearchWholeWords =
      Named(new QCheckBox(QStringLiteral("&Whole words only")), "cbSearchWholeWords");
  cbSearchFromCursor =
      Named(new QCheckBox(QStringLiteral("Search from &caret")), "cbSearchFromCursor");
  cbSearchSelectedOnly =
      Named(new QCheckBox(QStringLiteral("Selected &text only")), "cbSearchSelectedOnly");
  cbRegularExpression =
      Named(new QCheckBox(QStringLiteral("&Regular expression")), "cbRegularExpression");
  for (QCheckBox* box : {cbSearchCaseSensitive, cbSearchWholeWords, cbSearchFromCursor,
                         cbSearchSelectedOnly, cbRegularExpression})
    o->addWidget(box);
  row->addWidget(options);
  auto* direction = Named(new QGroupBox(QStringLiteral(" Direction: ")), "rgSearchDirection");
  auto* d = new QVBoxLayout(direction);
  forward = new QRadioButton(QStringLiteral("&Forward"));
  backward = new QRadioButton(QStringLiteral("&Backward"));
  d->addWidget(forward);
  d->addWidget(backward);
  d->addStretch();
  row->addWidget(direction);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  setFixedSize(sizeHint());
  // The focus goes to the search field once the dialog is up.
  QTimer::singleShot(10, this,
                     [this] { (cbReplaceText ? cbReplaceText : cbSearchText)->setFocus(); });
}

void SearchDialog::Show(const SearchState& state, const std::string& initialText) {
  (state.backwards ? backward : forward)->setChecked(true);
  cbSearchCaseSensitive->setChecked(state.caseSensitive);
  cbSearchFromCursor->setChecked(state.fromCaret);
  cbSearchSelectedOnly->setChecked(state.selectedOnly);
  cbRegularExpression->setChecked(state.regularExpression);
  cbSearchText->addItems(ToList(state.searchHistory));
  cbSearchText->setCurrentText(FromLocal(initialText));
  if (cbReplaceText) {
    cbReplaceText->addItems(ToList(state.replaceHistory));
    cbReplaceText->setCurrentText(FromLocal(state.replaceText));
  }
  cbSearchWholeWords->setChecked(state.wholeWords);
}

void SearchDialog::Take(SearchState& state) {
  state.searchHistory = UpdatedHistory(cbSearchText);
  if (cbReplaceText) state.replaceHistory = UpdatedHistory(cbReplaceText);
  state.backwards = backward->isChecked();
  state.caseSensitive = cbSearchCaseSensitive->isChecked();
  state.fromCaret = cbSearchFromCursor->isChecked();
  state.selectedOnly = cbSearchSelectedOnly->isChecked();
  state.wholeWords = cbSearchWholeWords->isChecked();
  state.regularExpression = cbRegularExpression->isChecked();
  state.searchText = ToLocal(cbSearchText->currentText());
  if (cbReplaceText) state.replaceText = ToLocal(cbReplaceText->currentText());
  state.continueFromCaret = state.fromCaret;
}

}  // namespace skelder
