#include "gui/properties/MacroEditorSettingsPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"
#include "gui/ui/PageNote.h"

namespace skelder {

MacroEditorSettingsPage::MacroEditorSettingsPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral(" Macro editor properties: "));
  auto* g = new QVBoxLayout(group);
  cbNoColors = Named(new QCheckBox(QStringLiteral("Disable color support")), "cbNoColors");
  cbSameBkgr =
      Named(new QCheckBox(QStringLiteral("The same background for Nomal, Bold, Blink and URL")),
            "cbSameBkgr");
  rbUseColorInEditor =
      Named(new QRadioButton(QStringLiteral("Connection colors")), "rbUseColorInEditor");
  rbSyntax = Named(new QRadioButton(QStringLiteral("Syntax highlighting")), "rbSyntax");
  auto* colouring = new QButtonGroup(this);
  colouring->addButton(rbUseColorInEditor);
  colouring->addButton(rbSyntax);
  rbSyntax->setChecked(true);
  g->addWidget(cbNoColors);
  g->addWidget(cbSameBkgr);
  auto* radios = new QHBoxLayout;
  radios->addWidget(rbUseColorInEditor);
  radios->addWidget(rbSyntax);
  radios->addStretch();
  g->addLayout(radios);

  connect(cbNoColors, &QCheckBox::toggled, this, &MacroEditorSettingsPage::colorSupportToggled);
  connect(rbUseColorInEditor, &QRadioButton::toggled, this,
          &MacroEditorSettingsPage::editorColoringChanged);

  cbAllowTAB = Named(new QCheckBox(QStringLiteral("Enable TABs")), "cbAllowTAB");
  cbTAB2Space = Named(new QCheckBox(QStringLiteral("Replace with spaces")), "cbTAB2Space");
  CBSpacePerTAB = Named(new QComboBox, "CBSpacePerTAB");
  for (int width = 2; width <= 32; ++width) CBSpacePerTAB->addItem(QString::number(width));
  CBSpacePerTAB->setCurrentIndex(4);
  lblTabWidth = Named(new QLabel(QStringLiteral("TAB width")), "lblTabWidth");
  cbSmartTAB = Named(new QCheckBox(QStringLiteral("Smart TABs")), "cbSmartTAB");
  g->addWidget(cbAllowTAB);
  auto* tabRow = new QHBoxLayout;
  tabRow->addSpacing(16);
  tabRow->addWidget(cbTAB2Space);
  tabRow->addWidget(lblTabWidth);
  tabRow->addWidget(CBSpacePerTAB);
  tabRow->addWidget(cbSmartTAB);
  tabRow->addStretch();
  g->addLayout(tabRow);
  Button3 = Named(new QPushButton(QStringLiteral("Change Font...")), "Button3");
  Button3->setEnabled(false);
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(Button3);
  fontRow->addWidget(Note(QStringLiteral("NOTE: This font will also appear in Popup editor")));
  g->addLayout(fontRow);
  cbUseAsTTFont =
      Named(new QCheckBox(QStringLiteral("Use this font in TeraTerm ")), "cbUseAsTTFont");
  g->addWidget(cbUseAsTTFont);
  layout->addWidget(group);

  auto* templates = new QGroupBox(QStringLiteral("Macro templates:"));
  auto* t = new QHBoxLayout(templates);
  edtPath2Templates = Named(new QLineEdit, "edtPath2Templates");
  btnBrowse = Named(new QPushButton(QStringLiteral("Browse...")), "btnBrowse");
  btnReloadTemplates =
      Named(new QPushButton(QStringLiteral("Reload Templates")), "btnReloadTemplates");
  btnBrowse->setEnabled(false);
  btnReloadTemplates->setEnabled(false);
  t->addWidget(new QLabel(QStringLiteral("File name:")));
  t->addWidget(edtPath2Templates, 1);
  t->addWidget(btnBrowse);
  t->addWidget(btnReloadTemplates);
  layout->addWidget(templates);
  layout->addStretch();
  connect(cbAllowTAB, &QCheckBox::toggled, this, &MacroEditorSettingsPage::enableTabsChanged);
  for (QCheckBox* box : {cbTAB2Space, cbSmartTAB})
    connect(box, &QCheckBox::toggled, this, &MacroEditorSettingsPage::tabOptionsChanged);
  connect(CBSpacePerTAB, &QComboBox::currentIndexChanged, this,
          &MacroEditorSettingsPage::tabOptionsChanged);
  enableTabsChanged();
}

void MacroEditorSettingsPage::Show(const Settings& s) {
  edtPath2Templates->setText(FromLocal(s.templateFile));
  rbUseColorInEditor->setChecked(s.useColorsInEditor);
  rbSyntax->setChecked(!s.useColorsInEditor);
  cbSameBkgr->setChecked(s.useSameBackground);
  cbNoColors->setChecked(s.noColors);
  cbAllowTAB->setChecked(s.allowTAB);
  cbTAB2Space->setChecked(s.tab2Space);
  cbSmartTAB->setChecked(s.smartTabs);
  CBSpacePerTAB->setCurrentIndex(s.spacePerTAB);
  enableTabsChanged();  // the "Enable TABs" handler runs after the tab width is set
  cbUseAsTTFont->setChecked(s.useAsTTFont);
}

void MacroEditorSettingsPage::Read(Settings& s) const {
  s.templateFile = ToLocal(edtPath2Templates->text());
  s.useColorsInEditor = rbUseColorInEditor->isChecked();
  s.useSameBackground = cbSameBkgr->isChecked();
  s.noColors = cbNoColors->isChecked();
  s.allowTAB = cbAllowTAB->isChecked();
  s.tab2Space = cbTAB2Space->isChecked();
  s.smartTabs = cbSmartTAB->isChecked();
  s.spacePerTAB = CBSpacePerTAB->currentIndex();
  s.useAsTTFont = cbUseAsTTFont->isChecked();
}

// "Enable TABs" governs the other tab options.
void MacroEditorSettingsPage::enableTabsChanged() {
  const bool on = cbAllowTAB->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(cbTAB2Space), static_cast<QWidget*>(CBSpacePerTAB),
                     static_cast<QWidget*>(lblTabWidth), static_cast<QWidget*>(cbSmartTAB)})
    w->setEnabled(on);
  emit tabOptionsChanged();
}

// "Disable color support": the editor then shows syntax colours and each attribute keeps
// its own background; the colour settings wait until colour support is back.
void MacroEditorSettingsPage::colorSupportToggled(bool disabled) {
  if (disabled) {
    rbSyntax->setChecked(true);
    cbSameBkgr->setChecked(false);
  }
  for (QWidget* control : std::initializer_list<QWidget*>{rbUseColorInEditor, rbSyntax, cbSameBkgr})
    control->setEnabled(!disabled);
  emit colorSupportChanged(disabled);
}

}  // namespace skelder
