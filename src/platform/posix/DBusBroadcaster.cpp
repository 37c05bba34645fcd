#include "platform/posix/DBusBroadcaster.h"

#include <dbus/dbus.h>

#include <algorithm>
#include <chrono>

namespace skelder {

namespace {

// A private connection to the session bus, or null when there is none.
DBusConnection* OpenSessionBus() {
  DBusError error;
  dbus_error_init(&error);
  DBusConnection* connection = dbus_bus_get_private(DBUS_BUS_SESSION, &error);
  dbus_error_free(&error);
  if (connection) dbus_connection_set_exit_on_disconnect(connection, FALSE);
  return connection;
}

void CloseBus(DBusConnection* connection) {
  dbus_connection_close(connection);
  dbus_connection_unref(connection);
}

}  // namespace

bool DBusBroadcaster::broadcast(const std::string& messageName) {
  DBusConnection* connection = OpenSessionBus();
  if (!connection) return false;
  bool sent = false;
  if (DBusMessage* signal =
          dbus_message_new_signal(kBroadcastPath, kBroadcastInterface, messageName.c_str())) {
    sent = dbus_connection_send(connection, signal, nullptr);
    dbus_connection_flush(connection);
    dbus_message_unref(signal);
  }
  CloseBus(connection);
  return sent;
}

DBusBroadcastReceiver::DBusBroadcastReceiver(const std::vector<std::string>& names)
    : names_(names) {
  connection_ = OpenSessionBus();
  if (!connection_) return;
  for (const auto& name : names_) {
    const std::string rule =
        std::string("type='signal',interface='") + kBroadcastInterface + "',member='" + name + "'";
    // With an error to fill the call waits for the bus: once the receiver exists, no
    // message sent to it can pass the rule by.
    DBusError error;
    dbus_error_init(&error);
    dbus_bus_add_match(connection_, rule.c_str(), &error);
    if (dbus_error_is_set(&error)) dbus_error_free(&error);
  }
  dbus_connection_flush(connection_);
}

DBusBroadcastReceiver::~DBusBroadcastReceiver() {
  if (connection_) CloseBus(connection_);
}

int DBusBroadcastReceiver::descriptor() const {
  int fd = -1;
  if (!connection_ || !dbus_connection_get_is_connected(connection_) ||
      !dbus_connection_get_unix_fd(connection_, &fd))
    fd = -1;
  return fd;
}

void DBusBroadcastReceiver::collect(std::vector<std::string>& into) {
  while (DBusMessage* message = dbus_connection_pop_message(connection_)) {
    if (dbus_message_get_type(message) == DBUS_MESSAGE_TYPE_SIGNAL &&
        dbus_message_has_interface(message, kBroadcastInterface)) {
      const char* member = dbus_message_get_member(message);
      if (member && std::find(names_.begin(), names_.end(), member) != names_.end())
        into.push_back(member);
    }
    dbus_message_unref(message);
  }
}

std::vector<std::string> DBusBroadcastReceiver::takeMessages() {
  std::vector<std::string> messages = std::move(pending_);
  pending_.clear();
  if (!connection_) return messages;
  dbus_connection_read_write(connection_, 0);
  collect(messages);
  return messages;
}

std::string DBusBroadcastReceiver::waitForMessage(int timeoutMs) {
  if (!connection_) return {};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (pending_.empty()) {
    collect(pending_);
    if (!pending_.empty()) break;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) return {};
    if (!dbus_connection_read_write(connection_, static_cast<int>(left))) return {};
  }
  std::string first = pending_.front();
  pending_.erase(pending_.begin());
  return first;
}

}  // namespace skelder
