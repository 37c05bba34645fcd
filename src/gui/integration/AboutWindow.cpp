#include "gui/integration/AboutWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/integration/VersionLines.h"
#include "gui/integration/ProductPicture.h"
#include "gui/ui/CenterOnScreen.h"
#include "gui/ui/HyperlinkLabel.h"
#include "platform/ProgramStarter.h"

namespace skelder {

namespace {

const char kDisclaimer[] =
    "Skelder is freeware. You may use it free of charge, at home and at work, on as many "
    "computers as you like, and you may give away unchanged copies of it, as long as you "
    "charge nothing for them.\n\n"
    "The program is provided \"as is\", without warranty of any kind, express or implied, "
    "including but not limited to the warranties of merchantability, fitness for a particular "
    "purpose and noninfringement. In no event shall the authors be liable for any claim, "
    "damages or other liability arising from the use of the program or from other dealings "
    "in it, including the loss of data or of connection settings.\n\n"
    "Skelder starts Tera Term and hands it the macros you write. What those macros do on the "
    "systems they connect to is your responsibility. Keep passwords out of macros that "
    "others can read.\n\n"
    "Tera Term is a separate program with its own license; Skelder neither contains nor "
    "changes it.";

const char kWhatsNew[] =
    "Version 1.0  (Beta), build 10-Dec-2026\n"
    "- The connection tree with macros, popup texts, colours, schedules and logging.\n"
    "- Tables in the SKD21 format; SKD20 tables converted when opened; import of tables and "
    ".BRF files, export of branches.\n"
    "- Runs of a connection, a branch, either up to the cursor, and paced runs of several "
    "connections in Tera Term, with keyword substitution and log files.\n"
    "- The Colors page with the built-in schemas; schedules with their checks.\n"
    "- Backup and restore of Tera Term's settings.\n"
    "- Table files associated with the program; the tray companion started at logon.\n"
    "- The information window with the statistics of the open table.";

QLabel* Centered(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QPlainTextEdit* ReadOnlyText(const char* text) {
  auto* view = new QPlainTextEdit(QString::fromUtf8(text));
  view->setReadOnly(true);
  view->setMinimumSize(420, 260);
  return view;
}

}  // namespace

AboutWindow::AboutWindow(ProgramStarter& starter, QWidget* parent)
    : QDialog(parent), starter_(starter) {
  setObjectName(QStringLiteral("AboutWindow"));
  setWindowTitle(QStringLiteral("About Skelder"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("AboutPages"));
  pages_->addTab(buildAboutPage(), QStringLiteral("About"));
  pages_->addTab(ReadOnlyText(kDisclaimer), QStringLiteral("Disclaimer"));
  pages_->addTab(ReadOnlyText(kWhatsNew), QStringLiteral("What's New"));
  pages_->setCurrentIndex(0);
  layout->addWidget(pages_);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::AcceptRole);
  close->setObjectName(QStringLiteral("btnClose"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QWidget* AboutWindow::buildAboutPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* picture = new QLabel(page);
  picture->setPixmap(ProductPicture(64));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);
  QLabel* product = Centered(QStringLiteral("Skelder"), page);
  product->setObjectName(QStringLiteral("lblProduct"));
  QFont big = product->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  product->setFont(big);
  layout->addWidget(product);
  QLabel* version = Centered(QString::fromStdString(VersionLine(ProgramVersion())), page);
  version->setObjectName(QStringLiteral("lblVersion"));
  layout->addWidget(version);
  QLabel* build = Centered(QString::fromStdString(BuildLine()), page);
  build->setObjectName(QStringLiteral("lblBuild"));
  layout->addWidget(build);
  layout->addWidget(Centered(
      QStringLiteral("Organises Tera Term connections and their macros in a tree."), page));
  layout->addSpacing(12);
  license_ = new HyperlinkLabel(QStringLiteral("Freeware License Agreement"),
                                HyperlinkLabel::Underline::WhileHovered, page);
  license_->setObjectName(QStringLiteral("lblLicense"));
  license_->setAlignment(Qt::AlignCenter);
  connect(license_, &HyperlinkLabel::clicked, this, [this] { pages_->setCurrentIndex(1); });
  layout->addWidget(license_);
  layout->addSpacing(12);
  layout->addWidget(link(QStringLiteral("Skelder home page"), QLatin1String(kProductHomePage)));
  layout->addWidget(link(QStringLiteral("Tera Term home page"), QLatin1String(kTeraTermHomePage)));
  layout->addStretch();
  return page;
}

HyperlinkLabel* AboutWindow::link(const QString& text, const QString& address) {
  auto* label = new HyperlinkLabel(text, HyperlinkLabel::Underline::Always);
  label->setObjectName(QStringLiteral("lnk") + QString(text).remove(QLatin1Char(' ')));
  label->setAlignment(Qt::AlignCenter);
  label->setToolTip(address);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
  label->setPalette(palette);
  connect(label, &HyperlinkLabel::clicked, this,
          [this, address] { starter_.open(address.toStdString(), "", ""); });
  return label;
}

void AboutWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(this);
}

}  // namespace skelder
