#include "core/integration/LatestVersions.h"

namespace skelder {

bool StoreLatestVersions(SettingsStore& store, const LatestVersions& latest) {
  auto key = store.openKey(kSettingsKeyPath, true);
  if (!key) return false;
  const bool teraTerm = key->writeString("TTLatestVersion", latest.teraTerm);
  const bool product = key->writeString("SkelderLatestVersion", latest.product);
  return teraTerm && product;
}

}  // namespace skelder
