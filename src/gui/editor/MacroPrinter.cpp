#include "gui/editor/MacroPrinter.h"

#include <Qsci/qsciscintilla.h>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/editor/HighlighterAttributes.h"
#include "gui/editor/StoredColor.h"
#include "gui/editor/StoredFont.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/editor/TtlLexer.h"
#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

using Sci = QsciScintillaBase;

constexpr int kTokenStyles = 11;  // the token kinds 0 to 10, one style each

// Tokens whose attribute has no colour of its own print in the print font's black.
bool HasOwnForeground(const TtlHighlighter& highlighter, int style) {
  const auto index = AttributeOfKind(static_cast<TokenKind>(style));
  return highlighter.enabled() && index && highlighter.attribute(*index).foreground != kNoColor;
}

// The editor as it prints for the time of one job: without line numbers and without the
// marks of spaces and line ends, in the job's colours on white; afterwards as it was.
// Nothing repaints in between, so the screen never shows the change.
class PrintLook {
 public:
  PrintLook(QsciScintilla& editor, const MacroPrintJob& job)
      : editor_(editor),
        margin_(editor.marginWidth(0)),
        whitespace_(editor.SendScintilla(Sci::SCI_GETVIEWWS)),
        lineEnds_(editor.SendScintilla(Sci::SCI_GETVIEWEOL)),
        colourMode_(editor.SendScintilla(Sci::SCI_GETPRINTCOLOURMODE)) {
    editor.setMarginWidth(0, 0);
    editor.SendScintilla(Sci::SCI_SETVIEWWS, Sci::SCWS_INVISIBLE);
    editor.SendScintilla(Sci::SCI_SETVIEWEOL, 0UL);
    const bool color = job.color && !job.connectionColors;
    editor.SendScintilla(Sci::SCI_SETPRINTCOLOURMODE,
                         color ? Sci::SC_PRINT_COLOURONWHITE : Sci::SC_PRINT_BLACKONWHITE);
    const auto* lexer = qobject_cast<const TtlLexer*>(editor.lexer());
    if (!color || !lexer) return;
    for (int style = 0; style < kTokenStyles; ++style) {
      if (HasOwnForeground(lexer->highlighter(), style)) continue;
      const auto number = static_cast<unsigned long>(style);
      foregrounds_.push_back({number, editor.SendScintilla(Sci::SCI_STYLEGETFORE, number)});
      editor.SendScintilla(Sci::SCI_STYLESETFORE, number, 0L);
    }
  }
  ~PrintLook() {
    for (const auto& [style, color] : foregrounds_)
      editor_.SendScintilla(Sci::SCI_STYLESETFORE, style, color);
    editor_.SendScintilla(Sci::SCI_SETPRINTCOLOURMODE, static_cast<unsigned long>(colourMode_));
    editor_.SendScintilla(Sci::SCI_SETVIEWEOL, static_cast<unsigned long>(lineEnds_));
    editor_.SendScintilla(Sci::SCI_SETVIEWWS, static_cast<unsigned long>(whitespace_));
    editor_.setMarginWidth(0, margin_);
  }
  PrintLook(const PrintLook&) = delete;
  PrintLook& operator=(const PrintLook&) = delete;

 private:
  QsciScintilla& editor_;
  int margin_;
  long whitespace_;
  long lineEnds_;
  long colourMode_;
  std::vector<std::pair<unsigned long, long>> foregrounds_;
};

}  // namespace

MacroPrinter::MacroPrinter(const Clock& clock) : QsciPrinter(HighResolution), clock_(clock) {
  // The margins are measured from the paper's edges.
  setFullPage(true);
  setCopyCount(Settings().copies);
}

const PrintJobSettings& MacroPrinter::Settings() {
  static const PrintJobSettings settings;
  return settings;
}

void MacroPrinter::Prepare(const MacroPrintJob& job) {
  job_ = job;
  header_ = MakePrintHeader(job.tableFile, job.nodePath);
}

QString MacroPrinter::DateText(const LocalTime& time) {
  return QLocale().toString(QDate(time.year, time.month, time.day), QLocale::ShortFormat);
}

QString MacroPrinter::TimeText(const LocalTime& time) {
  return QLocale().toString(QTime(time.hour, time.minute, time.second), QLocale::ShortFormat);
}

double MacroPrinter::pixels(double millimetres) const { return millimetres * resolution() / 25.4; }

bool MacroPrinter::Print() {
  pageCount_ = 0;
  QsciScintilla* editor = job_.editor;
  if (!editor || editor->length() == 0) return true;
  const LocalTime now = clock_.now();
  page_.date = ToLocal(DateText(now));
  page_.time = ToLocal(TimeText(now));
  editor->SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
  PrintLook look(*editor, job_);
  QPainter painter;
  if (!painter.begin(this)) return false;
  page_.count = pageCount_ = countPages(painter);
  const bool printed = printRange(editor, painter) != 0;
  return painter.end() && printed;
}

// The page loop of printRange without drawing: the same areas give the same pages.
int MacroPrinter::countPages(QPainter& painter) {
  QsciScintilla& editor = *job_.editor;
  editor.SendScintilla(Sci::SCI_SETPRINTMAGNIFICATION, static_cast<unsigned long>(magnification()));
  editor.SendScintilla(Sci::SCI_SETPRINTWRAPMODE, static_cast<unsigned long>(wrapMode()));
  const long end = editor.SendScintilla(Sci::SCI_GETLENGTH);
  int pages = 0;
  for (long position = 0; position < end;) {
    QRect area(0, 0, width(), height());
    formatPage(painter, false, area, pages + 1);
    const long next =
        editor.SendScintilla(Sci::SCI_FORMATRANGE, 0UL, &painter, area, position, end);
    ++pages;
    if (next <= position) break;  // a page that takes no text would never end the loop
    position = next;
  }
  return pages;
}

// The header band starts at the header distance from the paper's top edge and holds the
// two lines; the text starts at the top margin, or lower when the header needs the room.
void MacroPrinter::formatPage(QPainter& painter, bool drawing, QRect& area, int pageNumber) {
  const PrintJobSettings& s = Settings();
  const QFont font = ScreenFontOf(s.headerFont);
  const QFontMetricsF metrics(font, this);
  const double left = pixels(s.leftMargin);
  const double right = width() - pixels(s.rightMargin);
  const double headerTop = pixels(s.headerHeight);
  const double lineHeight = metrics.lineSpacing();
  const double headerBottom = headerTop + 2 * lineHeight;
  const double top = std::max(pixels(s.topMargin), headerBottom + pixels(s.headerGap));
  const double bottom = height() - pixels(s.bottomMargin);
  area = QRect(
      QPoint(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top))),
      QPoint(static_cast<int>(std::lround(right)) - 1, static_cast<int>(std::lround(bottom)) - 1));
  if (!drawing) return;

  painter.save();
  painter.fillRect(QRectF(0, 0, width(), height()), ScreenColorOf(s.pageBackground));
  painter.fillRect(QRectF(left, headerTop, right - left, headerBottom - headerTop),
                   ScreenColorOf(s.headerShading));
  painter.setFont(font);
  painter.setPen(ScreenColorOf(s.headerFontColor));
  PrintPage page = page_;
  page.number = pageNumber;
  const PrintHeader filled = PageHeader(header_, page);
  const double textLeft = left + pixels(s.headerIndentLeft);
  const double textWidth = right - pixels(s.headerIndentRight) - textLeft;
  double y = headerTop;
  for (const PrintHeaderLine* line : {&filled.file, &filled.macro}) {
    const QString rightText = FromLocal(line->right);
    // A long path gives way to the right-hand text.
    const double room = textWidth - metrics.horizontalAdvance(rightText) - lineHeight;
    const QString leftText = metrics.elidedText(FromLocal(line->left), Qt::ElideMiddle, room);
    const QRectF band(textLeft, y, textWidth, lineHeight);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, leftText);
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, rightText);
    y += lineHeight;
  }
  painter.restore();
}

}  // namespace skelder
