#pragma once
// "Import hosts ...": the hosts of an OpenSSH client configuration or of PuTTY's saved
// sessions become connections in a new folder of the tree; the table is then modified
// (nothing is saved) and a box tells how many hosts were taken and which were skipped.
#include <QObject>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace skelder {

class ConnectionTree;
class PropertyPages;
class SettingsPages;
class TableDocument;
struct ProgramServices;

struct HostImportParts {
  ConnectionTree& tree;
  TableDocument& document;
  PropertyPages& properties;      // pending edits are settled first
  const SettingsPages& settings;  // the defaults of new connections
  const ProgramServices& services;
};

class HostImportCommand : public QObject {
  Q_OBJECT
 public:
  HostImportCommand(const HostImportParts& parts, QWidget* window);

  void ImportHosts();
  // Imports from the source ("putty" or a configuration file's path).
  void ImportFrom(const std::string& source);

  // Where the source is chosen: the dialog unless a test puts its own here; nothing for
  // Cancel.
  std::function<std::optional<std::string>()> chooseSource;

 signals:
  void statesChanged();

 private:
  HostImportParts parts_;
  QWidget* window_;
};

}  // namespace skelder
