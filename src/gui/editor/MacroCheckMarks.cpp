#include "gui/editor/MacroCheckMarks.h"

#include <Qsci/qsciscintilla.h>
#include <QToolTip>

#include "core/check/MacroChecker.h"
#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

constexpr int kErrorIndicator = 8;  // the first indicator the lexers leave free
constexpr int kWarningIndicator = 9;
constexpr int kErrorMarker = 20;
constexpr int kWarningMarker = 21;
constexpr int kSymbolMargin = 1;
constexpr int kPauseMs = 400;

}  // namespace

MacroCheckMarks::MacroCheckMarks(QsciScintilla& editor, const KeywordStore& keywords,
                                 QObject* parent)
    : QObject(parent), editor_(editor), keywords_(keywords) {
  const std::pair<int, QColor> indicators[] = {{kErrorIndicator, QColor(220, 0, 0)},
                                               {kWarningIndicator, QColor(230, 140, 0)}};
  for (const auto& [indicator, color] : indicators) {
    editor_.SendScintilla(QsciScintilla::SCI_INDICSETSTYLE, indicator,
                          static_cast<long>(QsciScintilla::INDIC_SQUIGGLE));
    editor_.SendScintilla(QsciScintilla::SCI_INDICSETFORE, indicator, color);
  }
  editor_.markerDefine(QsciScintilla::Circle, kErrorMarker);
  editor_.setMarkerBackgroundColor(QColor(220, 0, 0), kErrorMarker);
  editor_.markerDefine(QsciScintilla::Circle, kWarningMarker);
  editor_.setMarkerBackgroundColor(QColor(230, 140, 0), kWarningMarker);
  editor_.setMarginType(kSymbolMargin, QsciScintilla::SymbolMargin);
  editor_.setMarginMarkerMask(kSymbolMargin, (1 << kErrorMarker) | (1 << kWarningMarker));
  editor_.setMarginWidth(kSymbolMargin, 12);
  editor_.SendScintilla(QsciScintilla::SCI_SETMOUSEDWELLTIME, 500);
  pause_.setSingleShot(true);
  pause_.setInterval(kPauseMs);
  connect(&pause_, &QTimer::timeout, this, &MacroCheckMarks::CheckNow);
  connect(&editor_, &QsciScintilla::textChanged, &pause_, qOverload<>(&QTimer::start));
  connect(&editor_, &QsciScintilla::SCN_DWELLSTART, this, &MacroCheckMarks::showMessage);
  connect(&editor_, &QsciScintilla::SCN_DWELLEND, this, [] { QToolTip::hideText(); });
}

void MacroCheckMarks::CheckNow() {
  pause_.stop();
  findings_ = MacroChecker(keywords_).Check(ToLocal(editor_.text()));
  mark();
  emit findingsChanged();
}

void MacroCheckMarks::mark() {
  const long length = editor_.length();
  for (int indicator : {kErrorIndicator, kWarningIndicator}) {
    editor_.SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, indicator);
    editor_.SendScintilla(QsciScintilla::SCI_INDICATORCLEARRANGE, 0UL, length);
  }
  editor_.markerDeleteAll(kErrorMarker);
  editor_.markerDeleteAll(kWarningMarker);
  for (const MacroFinding& finding : findings_) {
    const bool error = finding.severity == FindingSeverity::Error;
    const long start = editor_.positionFromLineIndex(finding.line - 1, finding.column - 1);
    if (start < 0) continue;
    editor_.SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT,
                          error ? kErrorIndicator : kWarningIndicator);
    editor_.SendScintilla(QsciScintilla::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start),
                          static_cast<long>(std::max(1, finding.length)));
    editor_.markerAdd(finding.line - 1, error ? kErrorMarker : kWarningMarker);
  }
}

QString MacroCheckMarks::messageAt(int position) const {
  if (position < 0) return {};
  int line = 0, index = 0;
  editor_.lineIndexFromPosition(position, &line, &index);
  for (const MacroFinding& finding : findings_)
    if (finding.line - 1 == line && index >= finding.column - 1 &&
        index < finding.column - 1 + std::max(1, finding.length))
      return QStringLiteral("%1: %2").arg(QLatin1String(SeverityText(finding.severity)),
                                          FromLocal(finding.message));
  return {};
}

void MacroCheckMarks::showMessage(int position, int x, int y) {
  const QString message = messageAt(position);
  if (!message.isEmpty())
    QToolTip::showText(editor_.viewport()->mapToGlobal(QPoint(x, y)), message);
}

}  // namespace skelder
