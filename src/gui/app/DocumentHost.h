#pragma once
// The window's side of the open table: the hourglass, the splash's progress and the
// event loop directly, everything else as signals the main window routes to the parts.
#include <QObject>
#include <functional>

#include "core/app/TableDocumentHost.h"

namespace skelder {

class DocumentHost : public QObject, public TableDocumentHost {
  Q_OBJECT
 public:
  explicit DocumentHost(QObject* parent = nullptr) : QObject(parent) {}

  // While the splash window shows: its progress bar.
  std::function<void(int position, int total)> loadProgress;
  // Settles the property pages' unapplied edits; false when the user cancelled.
  std::function<bool()> settle;

  void setBusy(bool busy) override;
  void showProgress(int position, int total) override;
  void letEventsRun() override;
  bool settlePendingEdits() override { return !settle || settle(); }
  void tableCleared() override { emit cleared(); }
  void tableLoaded() override { emit loaded(); }
  void tableOpened() override { emit opened(); }
  void saveSettings() override { emit settingsSaveRequested(); }
  void closeCancelled() override { emit closingCancelled(); }
  void documentChanged() override { emit changed(); }
  void recentFilesChanged() override { emit recentListChanged(); }

 signals:
  void cleared();
  void loaded();
  void opened();
  void settingsSaveRequested();
  void closingCancelled();
  void changed();
  void recentListChanged();
};

}  // namespace skelder
