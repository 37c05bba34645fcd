#include "gui/properties/SettingsPages.h"

#include <Qsci/qsciscintilla.h>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/properties/ColorSchemas.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"

namespace skelder {

namespace {

QLabel* Note(const QString& text) {
  auto* label = new QLabel(text);
  label->setWordWrap(true);
  return label;
}

// A radio button pair that may show neither button checked (a first run).
void SetRadioPair(QRadioButton* on, QRadioButton* off, std::optional<bool> value) {
  on->setAutoExclusive(false);
  off->setAutoExclusive(false);
  on->setChecked(value == true);
  off->setChecked(value == false);
  on->setAutoExclusive(true);
  off->setAutoExclusive(true);
}

}  // namespace

SettingsPages::SettingsPages(QWidget* parent) : QTabWidget(parent) {
  setObjectName(QStringLiteral("SettingsPages"));
  addTab(buildGeneral(), QStringLiteral("General"));
  addTab(buildUserData(), QStringLiteral("User Data"));
  addTab(buildMacroEditor(), QStringLiteral("Macro Editor"));
  addTab(buildHighlighter(), QStringLiteral("Highlighter"));
  addTab(buildNewConnections(), QStringLiteral("New Connections"));
}

QWidget* SettingsPages::buildGeneral() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* top = new QFormLayout;
  cbDoubleClickAction = Named(new QComboBox, "cbDoubleClickAction");
  for (const auto& action : DoubleClickActions()) cbDoubleClickAction->addItem(FromLocal(action));
  top->addRow(QStringLiteral("On double click at Tray Icon"), cbDoubleClickAction);
  cbUpdateInterval = Named(new QComboBox, "cbUpdateInterval");
  cbUpdateInterval->addItems(
      {"every day", "every 3 days", "every 7 days", "every 14 days", "every 30 days", "never"});
  top->addRow(QStringLiteral("Check for updated versions"), cbUpdateInterval);
  layout->addLayout(top);
  cbSelectlast = Named(
      new QCheckBox(QStringLiteral("Auto select last executed connection in Configuration window")),
      "cbSelectlast");
  cbAutoSave =
      Named(new QCheckBox(QStringLiteral("Save changes on Close without prompting")), "cbAutoSave");
  cbRunOnStart = Named(new QCheckBox(QStringLiteral("Run at log on to Windows")), "cbRunOnStart");
  cbAssociateExt =
      Named(new QCheckBox(QStringLiteral("Associate extention SKD with ")), "cbAssociateExt");
  cbRunOnStart->setEnabled(false);
  cbAssociateExt->setEnabled(false);
  for (QWidget* w : {static_cast<QWidget*>(cbSelectlast), static_cast<QWidget*>(cbAutoSave),
                     static_cast<QWidget*>(cbRunOnStart), static_cast<QWidget*>(cbAssociateExt)})
    layout->addWidget(w);

  auto* runAll = new QGroupBox(QStringLiteral(" 'Run all selected' options: "));
  auto* runLayout = new QVBoxLayout(runAll);
  auto* delayRow = new QHBoxLayout;
  CBDelay = Named(new QComboBox, "CBDelay");
  for (int seconds = 2; seconds <= 30; ++seconds) CBDelay->addItem(QString::number(seconds));
  CBDelay->setCurrentIndex(3);
  delayRow->addWidget(new QLabel(QStringLiteral("Time delay")));
  delayRow->addWidget(CBDelay);
  delayRow->addWidget(new QLabel(QStringLiteral("sec.")));
  delayRow->addStretch();
  runLayout->addLayout(delayRow);
  cbDoNotTile = Named(new QCheckBox(QStringLiteral("Do not tile")), "cbDoNotTile");
  cbDoNotPrompt =
      Named(new QCheckBox(QStringLiteral("Do not prompt on disconnect")), "cbDoNotPrompt");
  runLayout->addWidget(cbDoNotTile);
  runLayout->addWidget(cbDoNotPrompt);
  layout->addWidget(runAll);

  auto* menu = new QGroupBox(QStringLiteral(" Menu properties: "));
  auto* menuLayout = new QVBoxLayout(menu);
  cbFullPathMRU =
      Named(new QCheckBox(QStringLiteral("Show full path in the most recently used file list")),
            "cbFullPathMRU");
  Button4 = Named(new QPushButton(QStringLiteral("Change Font...")), "Button4");
  Button4->setEnabled(false);
  menuLayout->addWidget(cbFullPathMRU);
  menuLayout->addWidget(Button4, 0, Qt::AlignLeft);
  menuLayout->addWidget(
      Note(QStringLiteral("NOTE: This font will appear in Skelder popup menu and in the main menu "
                          "of Skelder Configuration window.")));
  layout->addWidget(menu);
  layout->addStretch();
  connect(cbFullPathMRU, &QCheckBox::toggled, this, &SettingsPages::fullPathMRUChanged);
  return page;
}

QWidget* SettingsPages::buildUserData() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* group = new QGroupBox(QStringLiteral(" User specific key words: "));
  auto* form = new QFormLayout(group);
  edtName = Named(new QLineEdit, "edtName");
  edtEmail = Named(new QLineEdit, "edtEmail");
  edtPhone = Named(new QLineEdit, "edtPhone");
  edtMobile = Named(new QLineEdit, "edtMobile");
  edtPager = Named(new QLineEdit, "edtPager");
  form->addRow(QStringLiteral("Name ($name$) :"), edtName);
  form->addRow(QStringLiteral("E-mail ($email$) :"), edtEmail);
  form->addRow(QStringLiteral("Phone ($phone$) :"), edtPhone);
  form->addRow(QStringLiteral("Mobile ($mobile$) :"), edtMobile);
  form->addRow(QStringLiteral("Pager ($pager$) :"), edtPager);
  layout->addWidget(group);
  layout->addStretch();
  return page;
}

QWidget* SettingsPages::buildMacroEditor() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
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

  connect(cbNoColors, &QCheckBox::toggled, this, &SettingsPages::colorSupportToggled);
  connect(rbUseColorInEditor, &QRadioButton::toggled, this, &SettingsPages::editorColoringChanged);

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
  connect(cbAllowTAB, &QCheckBox::toggled, this, &SettingsPages::enableTabsChanged);
  for (QCheckBox* box : {cbTAB2Space, cbSmartTAB})
    connect(box, &QCheckBox::toggled, this, &SettingsPages::tabOptionsChanged);
  connect(CBSpacePerTAB, &QComboBox::currentIndexChanged, this, &SettingsPages::tabOptionsChanged);
  enableTabsChanged();
  return page;
}

// "Enable TABs" governs the other tab options.
void SettingsPages::enableTabsChanged() {
  const bool on = cbAllowTAB->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(cbTAB2Space), static_cast<QWidget*>(CBSpacePerTAB),
                     static_cast<QWidget*>(lblTabWidth), static_cast<QWidget*>(cbSmartTAB)})
    w->setEnabled(on);
  emit tabOptionsChanged();
}

QWidget* SettingsPages::buildHighlighter() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* group = new QGroupBox(QStringLiteral(" Syntax Highlighter color settings: "));
  auto* g = new QHBoxLayout(group);
  auto* elements = new QGroupBox(QStringLiteral(" Elements: "));
  auto* e = new QVBoxLayout(elements);
  Elements = Named(new QListWidget, "Elements");
  e->addWidget(Elements);
  g->addWidget(elements);
  auto* right = new QVBoxLayout;
  auto* attributes = new QGroupBox(QStringLiteral(" Text attribute: "));
  auto* a = new QVBoxLayout(attributes);
  cbElemBold = Named(new QCheckBox(QStringLiteral("&Bold")), "cbElemBold");
  cbElemItalic = Named(new QCheckBox(QStringLiteral("&Italic")), "cbElemItalic");
  cbElemUnderline = Named(new QCheckBox(QStringLiteral("&Underline")), "cbElemUnderline");
  for (QCheckBox* box : {cbElemBold, cbElemItalic, cbElemUnderline}) {
    box->setEnabled(false);
    a->addWidget(box);
  }
  right->addWidget(attributes);
  btnChangeTTMColors =
      Named(new QPushButton(QStringLiteral("&Change Color...")), "btnChangeTTMColors");
  Button2 = Named(new QPushButton(QStringLiteral("&Reset to defaults")), "Button2");
  btnChangeTTMColors->setEnabled(false);
  Button2->setEnabled(false);
  right->addWidget(btnChangeTTMColors);
  right->addWidget(Button2);
  right->addStretch();
  g->addLayout(right);
  layout->addWidget(group);
  Memo3 = Named(new QsciScintilla, "Memo3");
  Memo3->setReadOnly(true);
  Memo3->setText(QStringLiteral("; Preview\r\nconnect 'host:22 /ssh'\r\nwait 'login:'\r\n"));
  layout->addWidget(Memo3, 1);
  return page;
}

QWidget* SettingsPages::buildNewConnections() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* outer = new QGroupBox(QStringLiteral(" New connection's default properties: "));
  auto* o = new QVBoxLayout(outer);
  auto* log = new QGroupBox(QStringLiteral(" Log file creation: "));
  auto* l = new QVBoxLayout(log);
  rbLog = Named(new QRadioButton(QStringLiteral("Start logging")), "rbLog");
  rbDontLog = Named(new QRadioButton(QStringLiteral("Do not log")), "rbDontLog");
  l->addWidget(rbLog);
  l->addWidget(rbDontLog);
  l->addWidget(Note(QStringLiteral(
      "NOTE: This setting applies to the top level nodes only. Newly added child node inherits "
      "logging setting of its parent.")));
  o->addWidget(log);
  auto* schema = new QGroupBox(QStringLiteral(" Color schema: "));
  auto* s = new QVBoxLayout(schema);
  auto* row = new QHBoxLayout;
  cbDefColors = Named(new QComboBox, "cbDefColors");
  for (const auto& name : SchemaNames()) cbDefColors->addItem(FromLocal(name));
  row->addWidget(new QLabel(QStringLiteral("Default schema:")));
  row->addWidget(cbDefColors, 1);
  s->addLayout(row);
  s->addWidget(Note(QStringLiteral(
      "NOTE: This setting applies to the top level nodes only. Newly added child node inherits "
      "color schema of its parent.")));
  o->addWidget(schema);
  layout->addWidget(outer);
  layout->addStretch();
  return page;
}

void SettingsPages::TrimDoubleClickActions(bool cygwin, bool lockScreen) {
  if (!cygwin && cbDoubleClickAction->count() > 6) cbDoubleClickAction->removeItem(6);
  if (!lockScreen && cbDoubleClickAction->count() > 5) cbDoubleClickAction->removeItem(5);
  if (cbDoubleClickAction->currentIndex() < 0) cbDoubleClickAction->setCurrentIndex(0);
}

std::vector<std::string> SettingsPages::doubleClickEntries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < cbDoubleClickAction->count(); ++i)
    entries.push_back(ToLocal(cbDoubleClickAction->itemText(i)));
  return entries;
}

void SettingsPages::ShowSettings(const Settings& s) {
  edtName->setText(FromLocal(s.varName));
  edtEmail->setText(FromLocal(s.varEmail));
  edtPhone->setText(FromLocal(s.varPhone));
  edtMobile->setText(FromLocal(s.varMobile));
  edtPager->setText(FromLocal(s.varPager));
  edtPath2Templates->setText(FromLocal(s.templateFile));
  CBDelay->setCurrentIndex(s.delayIndex);
  cbSelectlast->setChecked(s.selectLast);
  rbUseColorInEditor->setChecked(s.useColorsInEditor);
  rbSyntax->setChecked(!s.useColorsInEditor);
  cbSameBkgr->setChecked(s.useSameBackground);
  cbAutoSave->setChecked(s.autoSave);
  cbDoNotTile->setChecked(s.doNotTile);
  cbDoNotPrompt->setChecked(s.doNotPrompt);
  cbNoColors->setChecked(s.noColors);
  cbDoubleClickAction->setCurrentIndex(s.dblClickAction);
  cbAllowTAB->setChecked(s.allowTAB);
  cbTAB2Space->setChecked(s.tab2Space);
  cbSmartTAB->setChecked(s.smartTabs);
  CBSpacePerTAB->setCurrentIndex(s.spacePerTAB);
  enableTabsChanged();  // the "Enable TABs" handler runs after the tab width is set
  cbUseAsTTFont->setChecked(s.useAsTTFont);
  cbFullPathMRU->setChecked(s.fullPathMRU);
  emit fullPathMRUChanged(s.fullPathMRU);
  cbUpdateInterval->setCurrentIndex(s.checkUpdateInterval);
  cbDefColors->setCurrentIndex(s.defaultColors);
  SetRadioPair(rbLog, rbDontLog, s.logging);
}

void SettingsPages::ReadSettings(Settings& s) const {
  s.varName = ToLocal(edtName->text());
  s.varEmail = ToLocal(edtEmail->text());
  s.varPhone = ToLocal(edtPhone->text());
  s.varMobile = ToLocal(edtMobile->text());
  s.varPager = ToLocal(edtPager->text());
  s.templateFile = ToLocal(edtPath2Templates->text());
  s.delayIndex = CBDelay->currentIndex();
  s.selectLast = cbSelectlast->isChecked();
  s.useColorsInEditor = rbUseColorInEditor->isChecked();
  s.useSameBackground = cbSameBkgr->isChecked();
  s.autoSave = cbAutoSave->isChecked();
  s.doNotTile = cbDoNotTile->isChecked();
  s.doNotPrompt = cbDoNotPrompt->isChecked();
  s.noColors = cbNoColors->isChecked();
  s.dblClickAction = cbDoubleClickAction->currentIndex();
  s.allowTAB = cbAllowTAB->isChecked();
  s.tab2Space = cbTAB2Space->isChecked();
  s.smartTabs = cbSmartTAB->isChecked();
  s.spacePerTAB = CBSpacePerTAB->currentIndex();
  s.useAsTTFont = cbUseAsTTFont->isChecked();
  s.fullPathMRU = cbFullPathMRU->isChecked();
  s.checkUpdateInterval = cbUpdateInterval->currentIndex();
  s.defaultColors = cbDefColors->currentIndex();
  s.logging = rbLog->isChecked();
  if (!rbLog->isChecked() && !rbDontLog->isChecked()) s.logging = std::nullopt;
}

// "Disable color support": the editor then shows syntax colours and each attribute keeps
// its own background; the colour settings wait until colour support is back.
void SettingsPages::colorSupportToggled(bool disabled) {
  if (disabled) {
    rbSyntax->setChecked(true);
    cbSameBkgr->setChecked(false);
  }
  for (QWidget* control : std::initializer_list<QWidget*>{rbUseColorInEditor, rbSyntax, cbSameBkgr})
    control->setEnabled(!disabled);
  emit colorSupportChanged(disabled);
}

}  // namespace skelder
