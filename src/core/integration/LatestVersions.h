#pragma once
// The latest versions that the update checks of this run of the program have found,
// kept for the rest of the run and written to the settings ("TTLatestVersion",
// "SkelderLatestVersion") for the companion.
#include <string>

#include "platform/SettingsStore.h"

namespace skelder {

struct LatestVersions {
  std::string teraTerm;  // the whole version text as published, empty until found newer
  std::string product;
};

// Writes both values, creating the settings key when it is missing; false when the
// store cannot be written.
bool StoreLatestVersions(SettingsStore& store, const LatestVersions& latest);

}  // namespace skelder
