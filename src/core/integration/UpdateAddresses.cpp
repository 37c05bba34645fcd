#include "core/integration/UpdateAddresses.h"

#include <cstdlib>

namespace skelder {

namespace {

void Override(const char* variable, std::string& base) {
  const char* value = std::getenv(variable);
  if (!value || !*value) return;
  base = value;
  while (!base.empty() && base.back() == '/') base.pop_back();
}

}  // namespace

UpdateAddresses UpdateAddressesFromEnvironment() {
  UpdateAddresses addresses;
  Override("SKELDER_TERMINAL_UPDATE_BASE", addresses.terminalBase);
  Override("SKELDER_PRODUCT_UPDATE_BASE", addresses.productBase);
  return addresses;
}

// Only the numbers go into the address, never the text they were read from.
std::string TeraTermInstallerUrl(const UpdateAddresses& addresses, const PublishedVersion& latest) {
  return addresses.terminalBase + "/teraterm_utf8_" + std::to_string(latest.major) +
         std::to_string(latest.minor) + ".exe";
}

std::string ProductInstallerUrl(const UpdateAddresses& addresses, const PublishedVersion& latest) {
  return addresses.productBase + "/setup" + std::to_string(latest.major) +
         std::to_string(latest.minor) + std::to_string(latest.release) + ".exe";
}

}  // namespace skelder
