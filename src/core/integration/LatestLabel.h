#pragma once
// A "latest from the web" value of the update window (Tera Term's Label6, the
// product's Label8).
#include <string>

namespace skelder {

enum class LatestState {
  Checking,  // "Checking", blinking
  Shown,     // the version, not a link
  Link,      // the version as a link that starts the upgrade
  Failed,    // "???"
};

struct LatestLabel {
  std::string text;
  LatestState state = LatestState::Checking;
  bool visible = true;  // the blinking turns it off and on while checking
};

}  // namespace skelder
