#pragma once
// Everything the table reader and writer work with besides the path.
namespace skelder {

class ConnectionTree;
class SystemInfo;
class TableFileHost;
class UserDialogs;

struct TableFileContext {
  ConnectionTree& tree;
  UserDialogs& dialogs;      // every failure message goes through it
  const SystemInfo& system;  // names files in messages by their shell display name
  TableFileHost& host;
};

}  // namespace skelder
