#pragma once
// The controls of the four connection pages: "Macro", "Popup", "Colors", "Schedule".
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>

#include "gui/properties/CoverablePage.h"

class QsciScintilla;

namespace skelder {

struct ConnectionPages {
  explicit ConnectionPages(QWidget* parent);

  CoverablePage* macroPage;
  CoverablePage* popupPage;
  CoverablePage* colorsPage;
  CoverablePage* schedulePage;

  // "Macro"
  QsciScintilla* Memo1;
  QWidget* TS1bPanel;
  QCheckBox* cbLogSession;
  // "Popup"
  QsciScintilla* Memo2;
  // "Colors"
  QComboBox* CB;
  QRadioButton* RB3;
  QRadioButton* RB4;
  QScrollBar* S1;
  QScrollBar* S2;
  QScrollBar* S3;
  QLabel* lRed;
  QLabel* lGreen;
  QLabel* lBlue;
  std::array<QLabel*, 4> samples;  // pSampleNormal, pSampleBold, pSampleBlink, pSampleURL
  QComboBox* cbSchema;
  QPushButton* bReverse;
  QPushButton* bParentColors;
  QPushButton* bSameBkgrColor;
  // "Schedule"
  QCheckBox* cbSchedule;
  std::array<QLineEdit*, 5>
      scheduleFields;  // edtMinute, edtHour, edtDayOfMonth, edtMonth, edtDayOfWeek
  QPushButton* bValidate;
};

}  // namespace skelder
