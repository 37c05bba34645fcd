#include "gui/properties/NewConnectionsPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/properties/ColorSchemas.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/Named.h"
#include "gui/ui/PageNote.h"

namespace skelder {

namespace {

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

NewConnectionsPage::NewConnectionsPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
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
}

void NewConnectionsPage::Show(const Settings& s) {
  cbDefColors->setCurrentIndex(s.defaultColors);
  SetRadioPair(rbLog, rbDontLog, s.logging);
}

void NewConnectionsPage::Read(Settings& s) const {
  s.defaultColors = cbDefColors->currentIndex();
  s.logging = rbLog->isChecked();
  if (!rbLog->isChecked() && !rbDontLog->isChecked()) s.logging = std::nullopt;
}

}  // namespace skelder
