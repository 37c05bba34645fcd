#pragma once
// "Information": the facts of the open table's file and the statistics of its tree, in
// two groups of rows with the values aligned right.
#include <QDialog>
#include <string>

#include "core/base/Clock.h"
#include "core/integration/TableInformation.h"

class QGridLayout;
class QLabel;

namespace skelder {

class InformationWindow : public QDialog {
  Q_OBJECT
 public:
  explicit InformationWindow(QWidget* parent = nullptr);

  void ShowValues(const InformationValues& values);
  // The value of the row with this caption ("File Name:", ...); empty for no such row.
  QString value(const QString& caption) const;

  // The system's short date and long time format.
  static std::string FormatTime(const LocalTime& time);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* addRow(QGridLayout* grid, const QString& caption, const char* name);

  QLabel* fileName_;
  QLabel* fileLocation_;
  QLabel* fileSize_;
  QLabel* fileLastUpdated_;
  QLabel* nodes_;
  QLabel* macroScripts_;
  QLabel* averageMacro_;
  QLabel* longestMacro_;
  QLabel* shortestMacro_;
  QLabel* scheduled_;
  QLabel* separators_;
  QLabel* popups_;
};

}  // namespace skelder
