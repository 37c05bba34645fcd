#pragma once
// The print preview TTestPrintPreviewDlg, "Skelder Print Preview": a tool bar with the
// page buttons, the zoom list CBScale, "Print" and "Close"; the preview control over the
// macro printer; a status bar with the node path and the page indicator. A left click in
// the preview zooms in by one entry of the list, a right click out. The window is
// created once and shown again for every preview.
#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QPrintPreviewWidget;
class QToolButton;

namespace skelder {

class MacroPrinter;

class PrintPreviewWindow : public QDialog {
  Q_OBJECT
 public:
  explicit PrintPreviewWindow(MacroPrinter& printer, QWidget* parent = nullptr);

  // Selects an entry of the zoom list (the default for one outside it) and applies it.
  void setZoomIndex(int index);
  int zoomIndex() const;

  // Shows the window (modal, maximized) with the prepared job computed afresh at its
  // first page; the node path goes to the status bar; without a known printer the print
  // button says so.
  void ShowPreview(const std::string& nodePath, bool printerKnown);

  int currentPage() const;
  int pageCount() const;

  QToolButton *BtnFirst, *BtnPrevious, *BtnNext, *BtnLast, *BtnPrint, *BtnClose;
  QComboBox* CBScale;
  QPrintPreviewWidget* SynEditPrintPreview;
  QLabel* nodePanel;
  QLabel* pagePanel;

 signals:
  // The zoom entry chosen, from the list or by a click.
  void zoomIndexChanged(int index);
  // "Print" was pressed.
  void printRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void applyZoom(int index);
  void pageShown();
  void updateButtons();
  void moveTo(int page);

  MacroPrinter& printer_;
  bool printerKnown_ = false;
};

}  // namespace skelder
