// PuTTY's sessions as keys of the registry, read from each registry store of the
// platform (the file store on Linux, the registry itself on Windows).
#include <gtest/gtest.h>

#include "SettingsStoreConformance.h"
#include "core/hosts/PuttySessions.h"
#include "platform/RegistryPuttySessions.h"

namespace skelder {

void PrintTo(const SkippedHost& s, std::ostream* out) {
  *out << "{" << s.entry << ", " << s.reason << "}";
}

namespace testing {

TEST_P(SettingsStoreConformance, HoldsPuttysSessionsAsSubkeysWithTheirValues) {
  const std::string sessions = kPuttySessionsKeyPath;
  auto server = store->openKey(sessions + "\\My%20server%2Fprod", true);
  ASSERT_TRUE(server);
  server->writeString("HostName", "server.example");
  server->writeString("Protocol", "ssh");
  server->writeInteger("PortNumber", 2200);
  server->writeString("UserName", "ann");
  server->writeString("PublicKeyFile", "C:\\keys\\my key.ppk");
  auto serial = store->openKey(sessions + "\\Serial", true);
  serial->writeString("Protocol", "serial");
  serial->writeInteger("PortNumber", 0);

  const HostImportResult result = ReadPuttySessions(RegistryPuttySessions(*store));
  EXPECT_EQ(result.error, "");
  ASSERT_EQ(result.hosts.size(), 1u);
  const ImportedHost& host = result.hosts[0];
  EXPECT_EQ(host.name, "My server/prod");
  EXPECT_EQ(host.host, "server.example");
  EXPECT_EQ(host.port, 2200);
  EXPECT_EQ(host.user, "ann");
  EXPECT_EQ(host.keyFile, "C:\\keys\\my key.ppk");
  EXPECT_EQ(host.origin, "session \"My server/prod\"");
  EXPECT_EQ(result.skipped,
            (std::vector<SkippedHost>{
                {"Serial", "a serial session: only SSH and telnet sessions are taken"}}));
}

TEST_P(SettingsStoreConformance, WithoutPuttysKeyThereAreNoSessions) {
  EXPECT_EQ(ReadPuttySessions(RegistryPuttySessions(*store)).error,
            "No PuTTY sessions: there is no key "
            "HKEY_CURRENT_USER\\Software\\SimonTatham\\PuTTY\\Sessions");
}

}  // namespace testing
}  // namespace skelder
