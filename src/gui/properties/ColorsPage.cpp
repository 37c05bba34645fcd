#include "gui/properties/ColorsPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <algorithm>

#include "core/base/ProgramFolder.h"
#include "core/properties/ColorEditing.h"
#include "core/properties/ColorSchemas.h"
#include "core/tree/ConnectionTree.h"
#include "gui/editor/EditorColoring.h"
#include "gui/properties/PendingEdits.h"
#include "gui/properties/SettingsPages.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"

namespace skelder {

ColorsPage::ColorsPage(const SettingsPages& settings, EditorColoring& coloring,
                       const ConnectionTree& tree, PendingEdits& pending, std::string programFolder,
                       QWidget* parent)
    : CoverablePage("TS3Panel", parent),
      settings_(settings),
      tree_(tree),
      pending_(pending),
      programFolder_(std::move(programFolder)),
      editor_(coloring) {
  setContent(buildControls());
  connect(CB, &QComboBox::currentIndexChanged, this, &ColorsPage::attributeChosen);
  for (QRadioButton* choice : {RB3, RB4})
    connect(choice, &QRadioButton::toggled, this, [this, choice](bool on) {
      if (!on || !choice->hasFocus()) return;
      attributeChosen();
      emit statesChanged();
    });
  QScrollBar* bars[] = {S1, S2, S3};
  for (int component = 0; component < 3; ++component)
    connect(bars[component], &QScrollBar::valueChanged, this,
            [this, component](int value) { barMoved(component, value); });
  for (QLabel* sample : samples) sample->installEventFilter(this);
  connect(cbSchema, &QComboBox::activated, this, &ColorsPage::schemaChosen);
  connect(bReverse, &QPushButton::clicked, this, &ColorsPage::reverseColors);
  connect(bSameBkgrColor, &QPushButton::clicked, this, &ColorsPage::sameBackground);
  connect(bParentColors, &QPushButton::clicked, this, &ColorsPage::parentColors);
  connect(&settings.macroEditor(), &MacroEditorSettingsPage::colorSupportChanged, this,
          &ColorsPage::colorSupportChanged);
  connect(&settings.macroEditor(), &MacroEditorSettingsPage::editorColoringChanged, this,
          &ColorsPage::SetEditorColors);
  attributeChosen();
  SetEditorColors();
}

QWidget* ColorsPage::buildControls() {
  auto* colors = new QWidget;
  auto* grid = new QGridLayout(colors);
  CB = Named(new QComboBox, "CB");
  CB->addItems({"Normal", "Bold", "Blink", "URL"});
  RB3 = Named(new QRadioButton(QStringLiteral("Text")), "RB3");
  RB4 = Named(new QRadioButton(QStringLiteral("Background")), "RB4");
  RB3->setChecked(true);
  grid->addWidget(CB, 0, 0);
  grid->addWidget(RB3, 0, 1);
  grid->addWidget(RB4, 0, 2);
  const char* bars[] = {"S1", "S2", "S3"};
  const char* labels[] = {"lRed", "lGreen", "lBlue"};
  const char* captions[] = {"R: 0", "G: 0", "B: 0"};
  QScrollBar** scroll[] = {&S1, &S2, &S3};
  QLabel** label[] = {&lRed, &lGreen, &lBlue};
  for (int i = 0; i < 3; ++i) {
    *scroll[i] = Named(new QScrollBar(Qt::Horizontal), bars[i]);
    (*scroll[i])->setRange(0, 255);
    (*scroll[i])->setPageStep(20);
    // Moved by the keys as well, the right arrow towards more colour.
    (*scroll[i])->setFocusPolicy(Qt::StrongFocus);
    (*scroll[i])->setInvertedControls(false);
    *label[i] = Named(new QLabel(QLatin1String(captions[i])), labels[i]);
    grid->addWidget(*label[i], 1 + i, 0);
    grid->addWidget(*scroll[i], 1 + i, 1, 1, 2);
  }
  const char* sampleNames[] = {"pSampleNormal", "pSampleBold", "pSampleBlink", "pSampleURL"};
  const char* sampleCaptions[] = {"Normal", "Bold", "Blink", "URL"};
  auto* sampleRow = new QHBoxLayout;
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] = Named(new QLabel(QLatin1String(sampleCaptions[i])), sampleNames[i]);
    samples[i]->setAlignment(Qt::AlignCenter);
    samples[i]->setAutoFillBackground(true);
    samples[i]->setMinimumHeight(32);
    sampleRow->addWidget(samples[i]);
  }
  grid->addLayout(sampleRow, 4, 0, 1, 3);
  cbSchema = Named(new QComboBox, "cbSchema");
  for (const auto& name : SchemaNames()) cbSchema->addItem(FromLocal(name));
  grid->addWidget(cbSchema, 5, 0, 1, 3);
  bReverse = Named(new QPushButton(QStringLiteral("Reverse colors")), "bReverse");
  bParentColors = Named(new QPushButton(QStringLiteral("Set parent's colors")), "bParentColors");
  bSameBkgrColor = Named(
      new QPushButton(QStringLiteral("Set current background for Normal, Bold, Blink and URL")),
      "bSameBkgrColor");
  grid->addWidget(bReverse, 6, 0);
  grid->addWidget(bParentColors, 6, 1);
  grid->addWidget(bSameBkgrColor, 7, 0, 1, 3);
  grid->setRowStretch(8, 1);
  return colors;
}

int ColorsPage::attribute() const {
  return std::clamp(CB->currentIndex(), 0, kColorAttributeCount - 1);
}

bool ColorsPage::background() const { return RB4->isChecked(); }

std::string ColorsPage::teraTermColors() const {
  return TeraTermIniColors(FindProgramFile(programFolder_, "teraterm.ini"));
}

void ColorsPage::LoadColors(const std::string& colors) {
  working_ = ResolveColors(colors, teraTermColors());
  ShowColors();
}

void ColorsPage::ShowColors() {
  const bool blocked = cbSchema->blockSignals(true);
  cbSchema->setCurrentIndex(MatchingSchema(FormatColorString(working_), teraTermColors()));
  cbSchema->blockSignals(blocked);
  auto color = [this](int index) {
    const auto at = [this](int i) { return working_.bytes[static_cast<size_t>(i)]; };
    return QColor(at(index), at(index + 1), at(index + 2));
  };
  for (int a = 0; a < kColorAttributeCount; ++a) {
    QLabel* sample = samples[static_cast<size_t>(a)];
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, color(ColorIndex(a, false, 0)));
    palette.setColor(QPalette::Window, color(ColorIndex(a, true, 0)));
    sample->setPalette(palette);
  }
  QScrollBar* bars[] = {S1, S2, S3};
  QLabel* labels[] = {lRed, lGreen, lBlue};
  const char* prefixes[] = {"R: ", "G: ", "B: "};
  for (int component = 0; component < 3; ++component) {
    const int value =
        working_.bytes[static_cast<size_t>(ColorIndex(attribute(), background(), component))];
    const bool wasBlocked = bars[component]->blockSignals(true);
    bars[component]->setValue(value);
    bars[component]->blockSignals(wasBlocked);
    labels[component]->setText(QLatin1String(prefixes[component]) + QString::number(value));
  }
}

void ColorsPage::SetEditorColors() { editor_.SetEditorColors(); }

bool ColorsPage::oneBackground() const {
  for (int a = 1; a < kColorAttributeCount; ++a)
    for (int component = 0; component < 3; ++component)
      if (working_.bytes[static_cast<size_t>(ColorIndex(a, true, component))] !=
          working_.bytes[static_cast<size_t>(ColorIndex(0, true, component))])
        return false;
  return true;
}

// The chosen attribute's sample keeps the normal cursor; the others show that a click
// chooses them.
void ColorsPage::attributeChosen() {
  for (int a = 0; a < kColorAttributeCount; ++a)
    samples[static_cast<size_t>(a)]->setCursor(a == attribute() ? Qt::ArrowCursor
                                                                : Qt::PointingHandCursor);
  ShowColors();
}

void ColorsPage::sampleClicked(int sample) {
  if (CB->currentIndex() != sample) CB->setCurrentIndex(sample);
  CB->setFocus();
  emit statesChanged();
}

bool ColorsPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonRelease) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  for (int a = 0; a < kColorAttributeCount; ++a) {
    QLabel* sample = samples[static_cast<size_t>(a)];
    if (watched == sample && mouse->button() == Qt::LeftButton &&
        sample->rect().contains(mouse->position().toPoint()))
      sampleClicked(a);
  }
  return false;
}

// The bars follow the working set with their signals blocked, so a change that reaches
// here was made on the bar; it counts only while the bar has the focus.
void ColorsPage::barMoved(int component, int value) {
  QScrollBar* bars[] = {S1, S2, S3};
  if (!bars[component]->hasFocus()) return;
  SetColorComponent(working_, attribute(), background(), component,
                    static_cast<std::uint8_t>(value), settings_.sameBackground());
  edited();
}

void ColorsPage::ChooseSchema(int schema) {
  cbSchema->setCurrentIndex(schema);
  schemaChosen(schema);
}

void ColorsPage::schemaChosen(int schema) {
  if (schema < 0 || schema > kTeraTermIniSchema) return;
  const std::string teraTerm = teraTermColors();
  working_ =
      ResolveColors(schema == kTeraTermIniSchema ? teraTerm : BuiltInColorString(schema), teraTerm);
  edited();
}

void ColorsPage::reverseColors() {
  ReverseColors(working_, attribute(), settings_.sameBackground());
  attributeChosen();
  pending_.set(true);
  emit statesChanged();
}

void ColorsPage::sameBackground() {
  CopyBackground(working_, attribute());
  edited();
}

void ColorsPage::parentColors() {
  const TreeNode* focused = tree_.focusedNode();
  const std::string teraTerm = teraTermColors();
  working_ =
      ResolveColors(NodeColorString(focused ? focused->parent() : nullptr, teraTerm), teraTerm);
  edited();
}

// Colour support back on: the page shows the working set again.
void ColorsPage::colorSupportChanged(bool disabled) {
  if (!disabled) attributeChosen();
}

void ColorsPage::edited() {
  ShowColors();
  pending_.set(true);
  emit statesChanged();
}

}  // namespace skelder
