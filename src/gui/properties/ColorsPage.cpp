#include "gui/properties/ColorsPage.h"

#include <QMouseEvent>
#include <algorithm>

#include "core/base/ProgramFolder.h"
#include "core/properties/ColorEditing.h"
#include "core/properties/ColorSchemas.h"
#include "core/tree/ConnectionTree.h"
#include "gui/editor/EditorColoring.h"
#include "gui/properties/ConnectionPages.h"
#include "gui/properties/PendingEdits.h"
#include "gui/properties/SettingsPages.h"

namespace skelder {

ColorsPage::ColorsPage(ConnectionPages& pages, const SettingsPages& settings,
                       EditorColoring& coloring, const ConnectionTree& tree, PendingEdits& pending,
                       std::string programFolder, QObject* parent)
    : QObject(parent),
      pages_(pages),
      settings_(settings),
      tree_(tree),
      pending_(pending),
      programFolder_(std::move(programFolder)),
      editor_(coloring) {
  connect(pages_.CB, &QComboBox::currentIndexChanged, this, &ColorsPage::attributeChosen);
  for (QRadioButton* choice : {pages_.RB3, pages_.RB4})
    connect(choice, &QRadioButton::toggled, this, [this, choice](bool on) {
      if (!on || !choice->hasFocus()) return;
      attributeChosen();
      emit statesChanged();
    });
  QScrollBar* bars[] = {pages_.S1, pages_.S2, pages_.S3};
  for (int component = 0; component < 3; ++component)
    connect(bars[component], &QScrollBar::valueChanged, this,
            [this, component](int value) { barMoved(component, value); });
  for (QLabel* sample : pages_.samples) sample->installEventFilter(this);
  connect(pages_.cbSchema, &QComboBox::activated, this, &ColorsPage::schemaChosen);
  connect(pages_.bReverse, &QPushButton::clicked, this, &ColorsPage::reverseColors);
  connect(pages_.bSameBkgrColor, &QPushButton::clicked, this, &ColorsPage::sameBackground);
  connect(pages_.bParentColors, &QPushButton::clicked, this, &ColorsPage::parentColors);
  connect(&settings, &SettingsPages::colorSupportChanged, this, &ColorsPage::colorSupportChanged);
  connect(&settings, &SettingsPages::editorColoringChanged, this, &ColorsPage::SetEditorColors);
  attributeChosen();
  SetEditorColors();
}

int ColorsPage::attribute() const {
  return std::clamp(pages_.CB->currentIndex(), 0, kColorAttributeCount - 1);
}

bool ColorsPage::background() const { return pages_.RB4->isChecked(); }

std::string ColorsPage::teraTermColors() const {
  return TeraTermIniColors(FindProgramFile(programFolder_, "teraterm.ini"));
}

void ColorsPage::LoadColors(const std::string& colors) {
  working_ = ResolveColors(colors, teraTermColors());
  ShowColors();
}

void ColorsPage::ShowColors() {
  const bool blocked = pages_.cbSchema->blockSignals(true);
  pages_.cbSchema->setCurrentIndex(MatchingSchema(FormatColorString(working_), teraTermColors()));
  pages_.cbSchema->blockSignals(blocked);
  auto color = [this](int index) {
    const auto at = [this](int i) { return working_.bytes[static_cast<size_t>(i)]; };
    return QColor(at(index), at(index + 1), at(index + 2));
  };
  for (int a = 0; a < kColorAttributeCount; ++a) {
    QLabel* sample = pages_.samples[static_cast<size_t>(a)];
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, color(ColorIndex(a, false, 0)));
    palette.setColor(QPalette::Window, color(ColorIndex(a, true, 0)));
    sample->setPalette(palette);
  }
  QScrollBar* bars[] = {pages_.S1, pages_.S2, pages_.S3};
  QLabel* labels[] = {pages_.lRed, pages_.lGreen, pages_.lBlue};
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

// The chosen attribute's sample keeps the normal cursor; the others show that a click
// chooses them.
void ColorsPage::attributeChosen() {
  for (int a = 0; a < kColorAttributeCount; ++a)
    pages_.samples[static_cast<size_t>(a)]->setCursor(a == attribute() ? Qt::ArrowCursor
                                                                       : Qt::PointingHandCursor);
  ShowColors();
}

void ColorsPage::sampleClicked(int sample) {
  if (pages_.CB->currentIndex() != sample) pages_.CB->setCurrentIndex(sample);
  pages_.CB->setFocus();
  emit statesChanged();
}

bool ColorsPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonRelease) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  for (int a = 0; a < kColorAttributeCount; ++a) {
    QLabel* sample = pages_.samples[static_cast<size_t>(a)];
    if (watched == sample && mouse->button() == Qt::LeftButton &&
        sample->rect().contains(mouse->position().toPoint()))
      sampleClicked(a);
  }
  return false;
}

// The bars follow the working set with their signals blocked, so a change that reaches
// here was made on the bar; it counts only while the bar has the focus.
void ColorsPage::barMoved(int component, int value) {
  QScrollBar* bars[] = {pages_.S1, pages_.S2, pages_.S3};
  if (!bars[component]->hasFocus()) return;
  SetColorComponent(working_, attribute(), background(), component,
                    static_cast<std::uint8_t>(value), settings_.sameBackground());
  edited();
}

void ColorsPage::ChooseSchema(int schema) {
  pages_.cbSchema->setCurrentIndex(schema);
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
