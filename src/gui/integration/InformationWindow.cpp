#include "gui/integration/InformationWindow.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/ui/CenterOnScreen.h"
#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

constexpr int kValueWidth = 420;

// The locale's long time format without its time zone ("t"), outside quoted text.
QString LongTimeFormatWithoutZone(const QLocale& locale) {
  const QString format = locale.timeFormat(QLocale::LongFormat);
  QString result;
  bool quoted = false;
  for (QChar c : format) {
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (!quoted && c == QLatin1Char('t')) continue;
    result += c;
  }
  return result.trimmed();
}

}  // namespace

InformationWindow::InformationWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("InformationWindow"));
  setWindowTitle(QStringLiteral("Information"));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  auto* file = new QGroupBox(QStringLiteral(" File Info: "), this);
  auto* fileRows = new QGridLayout(file);
  fileName_ = addRow(fileRows, QStringLiteral("File Name:"), "lblFileName");
  fileLocation_ = addRow(fileRows, QStringLiteral("File Location:"), "lblFileLocation");
  fileSize_ = addRow(fileRows, QStringLiteral("File Size:"), "lblFileSize");
  fileLastUpdated_ = addRow(fileRows, QStringLiteral("File Last Updated:"), "lblFileLastUpdated");
  layout->addWidget(file);

  auto* tree = new QGroupBox(QStringLiteral(" Tree Info: "), this);
  auto* treeRows = new QGridLayout(tree);
  nodes_ = addRow(treeRows, QStringLiteral("Number of Tree Nodes:"), "lblNodes");
  macroScripts_ = addRow(treeRows, QStringLiteral("Number of Macro Scripts:"), "lblMacroScripts");
  averageMacro_ = addRow(treeRows, QStringLiteral("Average Macro Length:"), "lblAverageMacro");
  longestMacro_ = addRow(treeRows, QStringLiteral("The Longest Macro Lengh:"), "lblLongestMacro");
  shortestMacro_ =
      addRow(treeRows, QStringLiteral("The Shortest Macro Length:"), "lblShortestMacro");
  scheduled_ = addRow(treeRows, QStringLiteral("Number of Scheduled Macros:"), "lblScheduled");
  separators_ = addRow(treeRows, QStringLiteral("Number of Separator Lines:"), "lblSeparators");
  popups_ = addRow(treeRows, QStringLiteral("Number of Popup Messages:"), "lblPopups");
  layout->addWidget(tree);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::AcceptRole);
  close->setObjectName(QStringLiteral("btnClose"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QLabel* InformationWindow::addRow(QGridLayout* grid, const QString& caption, const char* name) {
  const int row = grid->rowCount();
  grid->addWidget(new QLabel(caption), row, 0);
  auto* value = new QLabel;
  value->setObjectName(QLatin1String(name));
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  value->setMinimumWidth(160);
  grid->addWidget(value, row, 1);
  return value;
}

void InformationWindow::ShowValues(const InformationValues& v) {
  const std::pair<QLabel*, const std::string*> rows[] = {{fileName_, &v.fileName},
                                                         {fileLocation_, &v.fileLocation},
                                                         {fileSize_, &v.fileSize},
                                                         {fileLastUpdated_, &v.fileLastUpdated},
                                                         {nodes_, &v.nodes},
                                                         {macroScripts_, &v.macroScripts},
                                                         {averageMacro_, &v.averageMacroLength},
                                                         {longestMacro_, &v.longestMacro},
                                                         {shortestMacro_, &v.shortestMacro},
                                                         {scheduled_, &v.scheduled},
                                                         {separators_, &v.separators},
                                                         {popups_, &v.popups}};
  for (const auto& [label, text] : rows) {
    // A long folder shortened in its middle keeps the window on the screen.
    const QString full = FromLocal(*text);
    label->setText(label->fontMetrics().elidedText(full, Qt::ElideMiddle, kValueWidth));
    label->setToolTip(label->text() == full ? QString() : full);
  }
}

QString InformationWindow::value(const QString& caption) const {
  for (const QLabel* label : findChildren<QLabel*>()) {
    if (label->text() != caption) continue;
    auto* grid = qobject_cast<QGridLayout*>(label->parentWidget()->layout());
    if (!grid) continue;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    if (QLayoutItem* item = grid->itemAtPosition(row, 1))
      if (auto* valueLabel = qobject_cast<QLabel*>(item->widget())) return valueLabel->text();
  }
  return {};
}

std::string InformationWindow::FormatTime(const LocalTime& time) {
  const QLocale locale = QLocale::system();
  const QDate date(time.year, time.month, time.day);
  const QTime clock(time.hour, time.minute, time.second);
  const QString text = locale.toString(date, QLocale::ShortFormat) + QLatin1Char(' ') +
                       locale.toString(clock, LongTimeFormatWithoutZone(locale));
  return ToLocal(text);
}

void InformationWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(this);
}

}  // namespace skelder
