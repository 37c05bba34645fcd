#include "core/integration/UpdateCheck.h"

#include "core/integration/UpdateTexts.h"

namespace skelder {

namespace {

constexpr int kDone = 4;

LatestLabel Checking() { return {"Checking", LatestState::Checking, true}; }

LatestLabel Failed() { return {kUnreadableVersion, LatestState::Failed, true}; }

// The text before the first "-"; empty when there is none.
std::string BeforeDash(const std::string& text) {
  const auto dash = text.find('-');
  return dash == std::string::npos ? std::string() : text.substr(0, dash);
}

std::string AfterDash(const std::string& text) {
  const auto dash = text.find('-');
  return dash == std::string::npos ? std::string() : text.substr(dash + 1);
}

}  // namespace

UpdateCheck::UpdateCheck(Downloader& downloader, SettingsStore& store, LatestVersions& latest,
                         UpdateAddresses addresses)
    : downloader_(downloader), store_(store), latest_(latest), addresses_(std::move(addresses)) {
  downloader_.setDelivery([this](const DownloadReport& report) { delivered(report); });
}

UpdateCheck::~UpdateCheck() {
  downloading_ = false;
  downloader_.abort();
  downloader_.setDelivery(nullptr);
}

void UpdateCheck::begin(const FileVersion& teraTerm, const FileVersion& product) {
  if (downloading_) {
    downloading_ = false;
    downloader_.abort();
  }
  teraTermVersion_ = teraTerm;
  productVersion_ = product;
  label6_ = Checking();
  teraTermInstalled_ = TeraTermInstalledText(teraTerm);
  label8_ = Checking();
  productInstalled_ = ProductInstalledText(product);
  teraTermNewer_.reset();
  productNewer_.reset();
  releaseNotes_.clear();
  stage_ = 0;
  nextUrl_.clear();
  done_ = false;
  failed_ = false;
  failure_.clear();
  timer_ = true;
  results_ = "Please wait...";
  downloading_ = true;
  downloader_.start(addresses_.terminalBase + "/ttversion.txt");
  notify();
}

void UpdateCheck::next(const std::string& url, int stage) {
  nextUrl_ = url;
  stage_ = stage;
}

void UpdateCheck::delivered(const DownloadReport& report) {
  if (!downloading_) return;  // aborted, or for a check that has ended
  downloading_ = false;
  if (!report.ok) {
    fail(report.failure);
    return;
  }
  const std::string& text = report.body;
  switch (stage_) {
    case 0:
      label6_ = {BeforeDash(text), LatestState::Shown, true};
      switch (CompareVersion(teraTermVersion_, text)) {
        case VersionComparison::Newer:
          label6_.state = LatestState::Link;
          teraTermNewer_ = ParsePublishedVersion(text);
          latest_.teraTerm = text;
          StoreLatestVersions(store_, latest_);
          next(addresses_.terminalBase + "/ttversioninfo.txt", 1);
          break;
        case VersionComparison::NotNewer:
          next(addresses_.productBase + "/skelderversion.txt", 2);
          break;
        case VersionComparison::Unreadable:
          label6_ = Failed();
          next(addresses_.productBase + "/skelderversion.txt", 2);
          break;
      }
      break;
    case 1:
      releaseNotes_ = text;
      next(addresses_.productBase + "/skelderversion.txt", 2);
      break;
    case 2:
      label8_ = {BeforeDash(text) + "." + AfterDash(text), LatestState::Shown, true};
      switch (CompareVersion(productVersion_, text)) {
        case VersionComparison::Newer:
          label8_.state = LatestState::Link;
          productNewer_ = ParsePublishedVersion(text);
          latest_.product = text;
          StoreLatestVersions(store_, latest_);
          next(addresses_.productBase + "/skelderversioninfo.txt", 3);
          break;
        case VersionComparison::NotNewer:
          stage_ = kDone;
          break;
        case VersionComparison::Unreadable:
          label8_ = Failed();
          stage_ = kDone;
          break;
      }
      break;
    case 3:
      releaseNotes_ = releaseNotes_.empty() ? text : releaseNotes_ + "\r\n\r\n" + text;
      stage_ = kDone;
      break;
    default:
      break;
  }
  notify();
}

void UpdateCheck::fail(const std::string& why) {
  downloader_.abort();
  failure_ = why;
  timer_ = false;
  nextUrl_.clear();
  results_ = ConnectionErrorText();
  label6_ = Failed();
  label8_ = Failed();
  teraTermNewer_.reset();
  productNewer_.reset();
  done_ = true;
  failed_ = true;
  notify();
}

void UpdateCheck::tick() {
  if (!timer_) return;
  for (LatestLabel* label : {&label6_, &label8_})
    if (label->state == LatestState::Checking) label->visible = !label->visible;
  if (!nextUrl_.empty()) {
    const std::string url = std::move(nextUrl_);
    nextUrl_.clear();
    downloading_ = true;
    downloader_.start(url);
  }
  if (stage_ == kDone && !downloading_) {
    timer_ = false;
    done_ = true;
    releaseNotes_ = NormaliseLineBreaks(releaseNotes_);
    results_ = UpdateResultsText(label6_, label8_, releaseNotes_);
  }
  notify();
}

void UpdateCheck::close() {
  if (downloading_) {
    downloading_ = false;
    downloader_.abort();
  }
  nextUrl_.clear();
  timer_ = false;
  notify();
}

std::string UpdateCheck::teraTermInstallerUrl() const {
  return label6_.state == LatestState::Link && teraTermNewer_
             ? TeraTermInstallerUrl(addresses_, *teraTermNewer_)
             : std::string();
}

std::string UpdateCheck::productInstallerUrl() const {
  return label8_.state == LatestState::Link && productNewer_
             ? ProductInstallerUrl(addresses_, *productNewer_)
             : std::string();
}

void UpdateCheck::notify() {
  if (changed_) changed_();
}

}  // namespace skelder
