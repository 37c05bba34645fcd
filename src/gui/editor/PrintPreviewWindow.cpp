#include "gui/editor/PrintPreviewWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QMouseEvent>
#include <QPrintPreviewWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/editor/PreviewZoom.h"
#include "gui/editor/MacroPrinter.h"
#include "gui/ui/CenterOnScreen.h"
#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

QToolButton* Button(QToolBar* bar, const char* name, const QString& hint,
                    QStyle::StandardPixmap icon) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(hint);
  button->setIcon(QApplication::style()->standardIcon(icon));
  button->setAutoRaise(true);
  bar->addWidget(button);
  return button;
}

QLabel* Panel(QStatusBar* bar, const char* name, int width) {
  auto* label = new QLabel(bar);
  label->setObjectName(QLatin1String(name));
  label->setFixedWidth(width);
  label->setFrameShape(QFrame::StyledPanel);
  bar->addWidget(label);
  return label;
}

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(MacroPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer) {
  setObjectName(QStringLiteral("TTestPrintPreviewDlg"));
  setWindowTitle(QStringLiteral("Skelder Print Preview"));
  setMinimumSize(620, 400);
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  BtnFirst = Button(bar, "BtnFirst", QStringLiteral("First page"), QStyle::SP_MediaSkipBackward);
  BtnPrevious =
      Button(bar, "BtnPrevious", QStringLiteral("Previous page"), QStyle::SP_MediaSeekBackward);
  BtnNext = Button(bar, "BtnNext", QStringLiteral("Next page"), QStyle::SP_MediaSeekForward);
  BtnLast = Button(bar, "BtnLast", QStringLiteral("Last page"), QStyle::SP_MediaSkipForward);
  bar->addSeparator();
  CBScale = new QComboBox(bar);
  CBScale->setObjectName(QStringLiteral("CBScale"));
  for (const PreviewZoom& zoom : kPreviewZooms) CBScale->addItem(QLatin1String(zoom.caption));
  CBScale->setMaxVisibleItems(static_cast<int>(kPreviewZooms.size()));
  CBScale->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  bar->addWidget(CBScale);
  bar->addSeparator();
  BtnPrint = Button(bar, "BtnPrint", QStringLiteral("Print"), QStyle::SP_ComputerIcon);
  BtnClose =
      Button(bar, "BtnClose", QStringLiteral("Close print preview"), QStyle::SP_DialogCloseButton);
  BtnClose->setText(QStringLiteral("Close"));
  BtnClose->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

  SynEditPrintPreview = new QPrintPreviewWidget(&printer_, this);
  SynEditPrintPreview->setObjectName(QStringLiteral("SynEditPrintPreview"));
  if (auto* view = SynEditPrintPreview->findChild<QGraphicsView*>())
    view->viewport()->installEventFilter(this);

  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("StatusBar1"));
  status->setSizeGripEnabled(false);
  QFont font(QStringLiteral("Microsoft Sans Serif"), 8);
  font.setBold(true);
  status->setFont(font);
  nodePanel = Panel(status, "StatusPanel1", 500);
  pagePanel = Panel(status, "StatusPanel2", 100);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(SynEditPrintPreview, 1);
  layout->addWidget(status);

  connect(SynEditPrintPreview, &QPrintPreviewWidget::paintRequested, this,
          [this] { printer_.Print(); });
  connect(SynEditPrintPreview, &QPrintPreviewWidget::previewChanged, this,
          &PrintPreviewWindow::pageShown);
  connect(CBScale, &QComboBox::currentIndexChanged, this, [this](int index) {
    applyZoom(index);
    emit zoomIndexChanged(index);
  });
  connect(BtnFirst, &QToolButton::clicked, this, [this] { moveTo(1); });
  connect(BtnPrevious, &QToolButton::clicked, this, [this] { moveTo(currentPage() - 1); });
  connect(BtnNext, &QToolButton::clicked, this, [this] { moveTo(currentPage() + 1); });
  connect(BtnLast, &QToolButton::clicked, this, [this] { moveTo(pageCount()); });
  connect(BtnPrint, &QToolButton::clicked, this, &PrintPreviewWindow::printRequested);
  connect(BtnClose, &QToolButton::clicked, this, &QDialog::close);

  setZoomIndex(kDefaultPreviewZoom);
  updateButtons();
}

void PrintPreviewWindow::setZoomIndex(int index) {
  index = ValidPreviewZoom(index);
  if (CBScale->currentIndex() == index)
    applyZoom(index);
  else
    CBScale->setCurrentIndex(index);
}

int PrintPreviewWindow::zoomIndex() const { return CBScale->currentIndex(); }

void PrintPreviewWindow::applyZoom(int index) {
  const PreviewZoom& zoom = kPreviewZooms[static_cast<size_t>(ValidPreviewZoom(index))];
  switch (zoom.mode) {
    case ZoomMode::WholePage:
      SynEditPrintPreview->setZoomMode(QPrintPreviewWidget::FitInView);
      break;
    case ZoomMode::PageWidth:
      SynEditPrintPreview->setZoomMode(QPrintPreviewWidget::FitToWidth);
      break;
    case ZoomMode::Percent:
      SynEditPrintPreview->setZoomMode(QPrintPreviewWidget::CustomZoom);
      SynEditPrintPreview->setZoomFactor(zoom.percent / 100.0);
      break;
  }
}

void PrintPreviewWindow::ShowPreview(const std::string& nodePath, bool printerKnown) {
  printerKnown_ = printerKnown;
  BtnPrint->setToolTip(printerKnown ? QStringLiteral("Print")
                                    : QStringLiteral("No default printer"));
  nodePanel->setText(QStringLiteral("Macro: ") + FromLocal(nodePath));
  SynEditPrintPreview->updatePreview();
  SynEditPrintPreview->setCurrentPage(1);
  pageShown();
  if (!isVisible()) {
    // Where the window goes when it is restored from maximized.
    resize(minimumSize().expandedTo(QSize(800, 600)));
    CenterOnScreen(this);
  }
  setWindowModality(Qt::ApplicationModal);
  showMaximized();
  raise();
  activateWindow();
}

int PrintPreviewWindow::currentPage() const { return SynEditPrintPreview->currentPage(); }

int PrintPreviewWindow::pageCount() const { return SynEditPrintPreview->pageCount(); }

void PrintPreviewWindow::pageShown() {
  pagePanel->setText(QStringLiteral(" Page %1 of %2").arg(currentPage()).arg(pageCount()));
  updateButtons();
}

void PrintPreviewWindow::updateButtons() {
  const int page = currentPage();
  const int count = pageCount();
  const bool several = printerKnown_ && count > 1;
  const bool back = several && page > 1;
  const bool forward = several && page < count;
  BtnFirst->setEnabled(back);
  BtnPrevious->setEnabled(back);
  BtnLast->setEnabled(forward);
  BtnNext->setEnabled(forward);
}

void PrintPreviewWindow::moveTo(int page) {
  SynEditPrintPreview->setCurrentPage(std::clamp(page, 1, std::max(1, pageCount())));
  pageShown();
}

bool PrintPreviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress) return QDialog::eventFilter(watched, event);
  const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
  const PreviewClick click = button == Qt::LeftButton    ? PreviewClick::Left
                             : button == Qt::RightButton ? PreviewClick::Right
                                                         : PreviewClick::Other;
  if (click == PreviewClick::Other) return false;
  setZoomIndex(ZoomAfterClick(zoomIndex(), click));
  return true;
}

}  // namespace skelder
