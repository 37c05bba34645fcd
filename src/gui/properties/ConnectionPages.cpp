#include "gui/properties/ConnectionPages.h"

#include <Qsci/qsciscintilla.h>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/properties/ColorSchemas.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"

namespace skelder {

namespace {

QsciScintilla* Editor(const char* name, bool lineNumbers) {
  auto* editor = Named(new QsciScintilla, name);
  QFont font(QStringLiteral("Courier New"), 9);
  font.setStyleHint(QFont::Monospace);
  editor->setFont(font);
  editor->setUtf8(false);
  editor->setEolMode(QsciScintilla::EolWindows);
  editor->setCaretLineVisible(false);
  editor->setCaretLineBackgroundColor(QColor(255, 255, 0));
  editor->setAutoIndent(true);
  if (lineNumbers) {
    editor->setMarginType(0, QsciScintilla::NumberMargin);
    editor->setMarginWidth(0, QStringLiteral("000"));
  } else {
    editor->setMarginWidth(0, 0);
  }
  editor->setMarginWidth(1, 0);
  return editor;
}

}  // namespace

ConnectionPages::ConnectionPages(QWidget* parent) {
  // "Macro": the editor with the logging option below it.
  auto* macro = new QWidget(parent);
  auto* macroLayout = new QVBoxLayout(macro);
  macroLayout->setContentsMargins(0, 0, 0, 0);
  Memo1 = Editor("Memo1", true);
  macroLayout->addWidget(Memo1, 1);
  TS1bPanel = Named(new QWidget, "TS1bPanel");
  auto* bar = new QHBoxLayout(TS1bPanel);
  bar->setContentsMargins(4, 2, 4, 2);
  cbLogSession =
      Named(new QCheckBox(QStringLiteral("Start logging when the macro ends")), "cbLogSession");
  bar->addWidget(cbLogSession);
  bar->addStretch();
  macroLayout->addWidget(TS1bPanel);
  macroPage = new CoverablePage(macro, "TS1Panel", parent);

  Memo2 = Editor("Memo2", false);
  Memo2->setTabIndents(true);
  popupPage = new CoverablePage(Memo2, "TS2Panel", parent);

  // "Colors"
  auto* colors = new QWidget(parent);
  auto* grid = new QGridLayout(colors);
  CB = Named(new QComboBox, "CB");
  CB->addItems({"Normal", "Bold", "Blink", "URL"});
  RB3 = Named(new QRadioButton(QStringLiteral("Text")), "RB3");
  RB4 = Named(new QRadioButton(QStringLiteral("Background")), "RB4");
  RB3->setChecked(true);
  grid->addWidget(CB, 0, 0);
  grid->addWidget(RB3, 0, 1);
  grid->addWidget(RB4, 0, 2);
  const char* bars[] = {"S1", "S2", "S3"};
  const char* labels[] = {"lRed", "lGreen", "lBlue"};
  const char* captions[] = {"R: 0", "G: 0", "B: 0"};
  QScrollBar** scroll[] = {&S1, &S2, &S3};
  QLabel** label[] = {&lRed, &lGreen, &lBlue};
  for (int i = 0; i < 3; ++i) {
    *scroll[i] = Named(new QScrollBar(Qt::Horizontal), bars[i]);
    (*scroll[i])->setRange(0, 255);
    (*scroll[i])->setPageStep(20);
    // Moved by the keys as well, the right arrow towards more colour.
    (*scroll[i])->setFocusPolicy(Qt::StrongFocus);
    (*scroll[i])->setInvertedControls(false);
    *label[i] = Named(new QLabel(QLatin1String(captions[i])), labels[i]);
    grid->addWidget(*label[i], 1 + i, 0);
    grid->addWidget(*scroll[i], 1 + i, 1, 1, 2);
  }
  const char* sampleNames[] = {"pSampleNormal", "pSampleBold", "pSampleBlink", "pSampleURL"};
  const char* sampleCaptions[] = {"Normal", "Bold", "Blink", "URL"};
  auto* sampleRow = new QHBoxLayout;
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] = Named(new QLabel(QLatin1String(sampleCaptions[i])), sampleNames[i]);
    samples[i]->setAlignment(Qt::AlignCenter);
    samples[i]->setAutoFillBackground(true);
    samples[i]->setMinimumHeight(32);
    sampleRow->addWidget(samples[i]);
  }
  grid->addLayout(sampleRow, 4, 0, 1, 3);
  cbSchema = Named(new QComboBox, "cbSchema");
  for (const auto& name : SchemaNames()) cbSchema->addItem(FromLocal(name));
  grid->addWidget(cbSchema, 5, 0, 1, 3);
  bReverse = Named(new QPushButton(QStringLiteral("Reverse colors")), "bReverse");
  bParentColors = Named(new QPushButton(QStringLiteral("Set parent's colors")), "bParentColors");
  bSameBkgrColor = Named(
      new QPushButton(QStringLiteral("Set current background for Normal, Bold, Blink and URL")),
      "bSameBkgrColor");
  grid->addWidget(bReverse, 6, 0);
  grid->addWidget(bParentColors, 6, 1);
  grid->addWidget(bSameBkgrColor, 7, 0, 1, 3);
  grid->setRowStretch(8, 1);
  colorsPage = new CoverablePage(colors, "TS3Panel", parent);

  // "Schedule"
  auto* schedule = new QWidget(parent);
  auto* s = new QVBoxLayout(schedule);
  cbSchedule = Named(new QCheckBox(QStringLiteral("Execute according to schedule")), "cbSchedule");
  s->addWidget(cbSchedule);
  auto* form = new QFormLayout;
  const char* fieldNames[] = {"edtMinute", "edtHour", "edtDayOfMonth", "edtMonth", "edtDayOfWeek"};
  const char* fieldLabels[] = {"Minute (0..59) :", "Hour (0..23) :", "Day of the month (1..31) :",
                               "Month (1..12) :", "Day of the week (1..7) :"};
  for (size_t i = 0; i < scheduleFields.size(); ++i) {
    scheduleFields[i] = Named(new QLineEdit, fieldNames[i]);
    form->addRow(QLatin1String(fieldLabels[i]), scheduleFields[i]);
  }
  s->addLayout(form);
  bValidate = Named(new QPushButton(QStringLiteral("Verify values")), "bValidate");
  s->addWidget(bValidate, 0, Qt::AlignLeft);
  s->addWidget(new QLabel(QStringLiteral(
      "Enter numeric values separated by commas or star to\nrepresent all possible values. No "
      "spaces are allowed.\nFor week days 1=Monday ... 7=Sunday")));
  auto* note = new QLabel(QStringLiteral(
      "NOTE: To be able running macros according to the schedule make sure Skelder application "
      "is executed and appears iconized in Windows system tray."));
  note->setWordWrap(true);
  s->addWidget(note);
  s->addStretch();
  schedulePage = new CoverablePage(schedule, "TS4Panel", parent);
}

}  // namespace skelder
