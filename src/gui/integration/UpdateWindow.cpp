#include "gui/integration/UpdateWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/integration/InstalledVersions.h"
#include "gui/ui/CenterOnScreen.h"

namespace skelder {

namespace {

constexpr int kTimerInterval = 250;

// CR LF and a lone CR are line breaks in the window's texts.
QString Lines(const std::string& text) {
  QString lines = QString::fromLocal8Bit(text.data(), static_cast<int>(text.size()));
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}

QLabel* Named(QLabel* label, const char* name) {
  label->setObjectName(QLatin1String(name));
  return label;
}

// A group " TeraTerm Professional " or " Skelder " with its two rows.
QGroupBox* VersionGroup(const QString& title, QLabel* installed, QLabel* latest) {
  auto* group = new QGroupBox(title);
  auto* rows = new QGridLayout(group);
  rows->addWidget(new QLabel(QStringLiteral("Currently installed:")), 0, 0);
  rows->addWidget(installed, 0, 1);
  rows->addWidget(new QLabel(QStringLiteral("The latest from the web:")), 1, 0);
  rows->addWidget(latest, 1, 1);
  rows->setColumnMinimumWidth(1, 90);
  QSizePolicy keepPlace = latest->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);  // blinking never moves the layout
  latest->setSizePolicy(keepPlace);
  return group;
}

}  // namespace

UpdateWindow::UpdateWindow(UpdateWindowServices services, QWidget* parent)
    : QDialog(parent),
      services_(std::move(services)),
      check_(services_.downloader, services_.store, services_.latest, services_.addresses) {
  setObjectName(QStringLiteral("UpdateWindow"));
  setWindowTitle(QStringLiteral("Skelder Check for Updates"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);

  teraTermInstalled_ = Named(new QLabel, "lblTeraTermInstalled");
  productInstalled_ = Named(new QLabel, "lblSkelderInstalled");
  label6_ = Named(new QLabel, "Label6");
  label8_ = Named(new QLabel, "Label8");
  for (QLabel* label : {label6_, label8_}) label->installEventFilter(this);

  auto* versions = new QGroupBox(QStringLiteral(" Version information: "));
  versions->setObjectName(QStringLiteral("grpVersions"));
  auto* pair = new QHBoxLayout(versions);
  pair->addWidget(
      VersionGroup(QStringLiteral(" TeraTerm Professional "), teraTermInstalled_, label6_));
  pair->addWidget(VersionGroup(QStringLiteral(" Skelder "), productInstalled_, label8_));

  auto* resultsGroup = new QGroupBox(QStringLiteral(" Results:  "));
  resultsGroup->setObjectName(QStringLiteral("grpResults"));
  results_ = new QPlainTextEdit;
  results_->setObjectName(QStringLiteral("Memo1"));
  results_->setReadOnly(true);
  results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont fixed(QStringLiteral("Courier New"));
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setFixedPitch(true);
  results_->setFont(fixed);
  results_->setMinimumSize(520, 220);
  (new QVBoxLayout(resultsGroup))->addWidget(results_);

  button_ = new QPushButton(QStringLiteral("Cancel"));
  button_->setObjectName(QStringLiteral("btnClose"));
  button_->setAutoDefault(false);
  connect(button_, &QPushButton::clicked, this, &UpdateWindow::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(button_);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(versions);
  layout->addWidget(resultsGroup);
  layout->addLayout(buttons);

  timer_.setObjectName(QStringLiteral("Timer1"));
  timer_.setInterval(kTimerInterval);
  connect(&timer_, &QTimer::timeout, this, [this] { check_.tick(); });
  check_.setChangeHook([this] { refresh(); });
}

void UpdateWindow::checkForUpdates() {
  check_.begin(InstalledTeraTermVersion(services_.system, services_.programFolder),
               InstalledProductVersion(services_.system));
  timer_.start();
  exec();
}

void UpdateWindow::reject() {
  check_.close();
  timer_.stop();
  QDialog::reject();
}

void UpdateWindow::showEvent(QShowEvent* event) {
  CenterOnScreen(this);
  QDialog::showEvent(event);
}

void UpdateWindow::showLatest(QLabel* label, const LatestLabel& latest, bool reacts) {
  label->setText(Lines(latest.text));
  label->setVisible(latest.visible);
  const bool link = latest.state == LatestState::Link;
  QFont font = label->font();
  font.setUnderline(link);
  label->setFont(font);
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText,
                   link ? QColor(Qt::blue) : palette().color(QPalette::WindowText));
  label->setPalette(colours);
  // The hand shows only over a link that reacts; a click acts only then.
  if (reacts)
    label->setCursor(Qt::PointingHandCursor);
  else
    label->unsetCursor();
}

void UpdateWindow::refresh() {
  teraTermInstalled_->setText(QString::fromStdString(check_.teraTermInstalled()));
  productInstalled_->setText(QString::fromStdString(check_.productInstalled()));
  showLatest(label6_, check_.teraTermLatest(), check_.teraTermLinkActive());
  showLatest(label8_, check_.productLatest(), check_.productLinkActive());
  const QString results = Lines(check_.results());
  if (results_->toPlainText() != results) results_->setPlainText(results);
  button_->setText(QLatin1String(check_.buttonText()));
  if (!check_.timerActive()) timer_.stop();
}

bool UpdateWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == label6_ && check_.teraTermLinkActive()) {
      upgradeTeraTerm();
      return true;
    }
    if (watched == label8_ && check_.productLinkActive()) {
      upgradeProduct();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// The window stays open: Tera Term's installer runs first, the product's check follows.
void UpdateWindow::upgradeTeraTerm() {
  UpgradeTeraTerm(services_.upgrade, check_.teraTermInstallerUrl());
}

void UpdateWindow::upgradeProduct() {
  const std::string url = check_.productInstallerUrl();
  reject();
  UpgradeProduct(services_.upgrade, url);
}

}  // namespace skelder
