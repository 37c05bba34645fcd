#pragma once
// Loading and saving the settings record in the settings key.
#include "core/app/Settings.h"
#include "platform/Broadcaster.h"
#include "platform/SettingsStore.h"
#include "platform/SystemInfo.h"

namespace skelder {

// First-run defaults, then every readable value of the settings key; a value that cannot
// be read takes its own default. Never creates the key.
Settings LoadSettings(SettingsStore& store, const SettingsEnvironment& environment);

// Writes every value of the record in the stored order and with the stored types. When
// the key cannot be opened for writing nothing is written; false then.
bool SaveSettings(SettingsStore& store, const Settings& settings,
                  const SettingsEnvironment& environment);

// SaveSettings, then tells the companion to read the settings again ("SkelderRRMessage").
void SaveSettingsAndNotify(SettingsStore& store, Broadcaster& broadcaster, const Settings& settings,
                           const SettingsEnvironment& environment);

// "NT" from the settings key, asking the system once when it is missing; true when
// there is no settings key.
bool IsNTPlatform(SettingsStore& store, const SystemInfo& system);

// The pending command-line argument, the one-slot mailbox between instances.
void WriteParamName(SettingsStore& store, const std::string& text);
std::string ReadParamName(SettingsStore& store);

}  // namespace skelder
