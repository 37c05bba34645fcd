#pragma once
// The "New Connections" settings page: whether new top-level connections log, and their
// colour schema.
#include <QComboBox>
#include <QRadioButton>
#include <QWidget>

#include "core/app/Settings.h"

namespace skelder {

class NewConnectionsPage : public QWidget {
  Q_OBJECT
 public:
  explicit NewConnectionsPage(QWidget* parent = nullptr);

  // The page's part of the settings record into its controls, and back.
  void Show(const Settings& settings);
  void Read(Settings& settings) const;

  bool logNewConnections() const { return rbLog->isChecked(); }
  int defaultSchema() const { return cbDefColors->currentIndex(); }

  QRadioButton* rbLog;
  QRadioButton* rbDontLog;
  QComboBox* cbDefColors;
};

}  // namespace skelder
