#pragma once
// The question before each replacement ("Confirm replace"): Yes, No, Cancel, Yes to all.
#include <QDialog>
#include <QLabel>

namespace skelder {

enum class ReplaceAnswer { Replace, Skip, Cancel, ReplaceAll };

class ConfirmReplaceDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ConfirmReplaceDialog(QWidget* parent = nullptr);

  // Asks about one occurrence of the search text.
  ReplaceAnswer Ask(const QString& searchText);

  QLabel* lblConfirmation;

 private:
  ReplaceAnswer answer_ = ReplaceAnswer::Cancel;
};

}  // namespace skelder
