#pragma once
// The texts of the update window: the installed versions, the results box and the
// connection error.
#include <string>

#include "core/integration/LatestLabel.h"
#include "platform/FileVersion.h"

namespace skelder {

inline constexpr const char* kUnreadableVersion = "???";
// The web site's name in the connection error text.
inline constexpr const char* kUpdateWebSiteName = "Vantrell Solutions";

// Every LF that does not follow a CR becomes CR LF; CR LF pairs stay.
std::string NormaliseLineBreaks(const std::string& text);

// Tera Term: major + "." + minor.
std::string TeraTermInstalledText(const FileVersion& version);
// The product: major + "." + minor, then "." + release, or " (Beta)" for release 0.
std::string ProductInstalledText(const FileVersion& version);

// The results box at the end of a check, by the two labels' states; releaseNotes has
// its line breaks normalised already.
std::string UpdateResultsText(const LatestLabel& teraTerm, const LatestLabel& product,
                              const std::string& releaseNotes);

// "Error connecting " + the web site's name + " web site. ..."
std::string ConnectionErrorText();

}  // namespace skelder
