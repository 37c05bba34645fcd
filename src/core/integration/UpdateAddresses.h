#pragma once
// Where the update check finds the latest versions, their release notes and the
// installers: one base address for Tera Term's downloads, one for the product's.
#include <string>

#include "core/integration/PublishedVersion.h"

namespace skelder {

inline constexpr const char* kTerminalUpdateBase = "https://www.vantrell.com/freeware/TeraTerm";
inline constexpr const char* kProductUpdateBase = "https://www.vantrell.com/freeware/Skelder";

struct UpdateAddresses {
  std::string terminalBase = kTerminalUpdateBase;
  std::string productBase = kProductUpdateBase;
};

// The built-in addresses, each unless SKELDER_TERMINAL_UPDATE_BASE or
// SKELDER_PRODUCT_UPDATE_BASE names another (a trailing "/" left off).
UpdateAddresses UpdateAddressesFromEnvironment();

// base + "/teraterm_utf8_" + major and minor + ".exe"
std::string TeraTermInstallerUrl(const UpdateAddresses& addresses, const PublishedVersion& latest);
// base + "/setup" + major, minor and release + ".exe"
std::string ProductInstallerUrl(const UpdateAddresses& addresses, const PublishedVersion& latest);

}  // namespace skelder
