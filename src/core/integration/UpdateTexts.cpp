#include "core/integration/UpdateTexts.h"

namespace skelder {

std::string NormaliseLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

std::string TeraTermInstalledText(const FileVersion& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor);
}

std::string ProductInstalledText(const FileVersion& version) {
  return TeraTermInstalledText(version) +
         (version.release != 0 ? "." + std::to_string(version.release) : " (Beta)");
}

std::string UpdateResultsText(const LatestLabel& teraTerm, const LatestLabel& product,
                              const std::string& releaseNotes) {
  static const std::string kChanges = "The list of changes of the latest release";
  static const std::string kBelow = " is shown below.\r\n\r\n";
  static const std::string kClick = "Click on the blue link to start upgrade. \r\n";
  const bool teraTermLink = teraTerm.state == LatestState::Link;
  const bool productLink = product.state == LatestState::Link;
  if (teraTermLink && productLink)
    return "Both TeraTerm and Skelder versions on this PC are out of date. \r\nFirst upgrade "
           "TeraTerm by clicking on the left blue link and once it will be installed run Skelder "
           "and perform this check again. Then upgrade Skelder if necessary.\r\n" +
           kChanges + "s" + kBelow + releaseNotes;
  if (productLink)
    return "Skelder version on this PC is out of date. " + kClick + kChanges + kBelow +
           releaseNotes;
  if (teraTermLink)
    return "TeraTerm version on this PC is out of date. \r\nUpgrade TeraTerm by clicking on the "
           "blue link and once it will be installed run Skelder and perform this check again. "
           "Then upgrade Skelder if necessary.\r\n" +
           kClick + kChanges + kBelow + releaseNotes;
  const bool teraTermFailed = teraTerm.text == kUnreadableVersion;
  const bool productFailed = product.text == kUnreadableVersion;
  if (!teraTermFailed && !productFailed)
    return "Both TeraTerm and Skelder versions on this PC are up to date.\r\n\r\nNo upgrade is "
           "necessary.";
  std::string text =
      teraTermFailed
          ? "Failed to retrieve TeraTerm latest version number from the Internet.\r\n\r\n"
          : "TeraTerm version on this PC is up to date.\r\n\r\n";
  text += productFailed
              ? "Failed to retrieve Skelder latest version number from the Internet.\r\n\r\n"
              : "Skelder version on this PC is up to date.\r\n\r\n";
  return text;
}

std::string ConnectionErrorText() {
  return std::string("Error connecting ") + kUpdateWebSiteName +
         " web site.\r\n\r\nCheck your Internet connection or try again later.";
}

}  // namespace skelder
