#pragma once
// "About Skelder": the product, its version and build, the license and the links on the
// "About" page, the terms of use on "Disclaimer", the release history on "What's New".
#include <QDialog>

class QTabWidget;

namespace skelder {

class HyperlinkLabel;
class ProgramStarter;

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  // Links open through the starter, as the shell opens an address.
  explicit AboutWindow(ProgramStarter& starter, QWidget* parent = nullptr);

  QTabWidget* pages() const { return pages_; }
  HyperlinkLabel* licenseLabel() const { return license_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildAboutPage();
  HyperlinkLabel* link(const QString& text, const QString& address);

  ProgramStarter& starter_;
  QTabWidget* pages_;
  HyperlinkLabel* license_ = nullptr;
};

// The addresses of the "About" page.
inline constexpr const char* kProductHomePage = "http://www.vantrell-solutions.example/skelder/";
inline constexpr const char* kTeraTermHomePage = "https://teratermproject.github.io/";

}  // namespace skelder
