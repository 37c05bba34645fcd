#pragma once
// The update check: a chain of downloads (the latest Tera Term version, its release
// notes, the latest product version, its release notes) that fills the two "latest"
// labels and the results box of the update window. Driven by the window's timer
// (tick, every 250 ms), which blinks the labels and starts each next download; fed by a
// Downloader whose reports come back on the same thread.
#include <functional>
#include <optional>
#include <string>

#include "core/integration/LatestLabel.h"
#include "core/integration/LatestVersions.h"
#include "core/integration/PublishedVersion.h"
#include "core/integration/UpdateAddresses.h"
#include "platform/Downloader.h"
#include "platform/FileVersion.h"
#include "platform/SettingsStore.h"

namespace skelder {

class UpdateCheck {
 public:
  // latest: the versions found in this run of the program, kept by the caller across
  // checks. The check sets itself as the downloader's delivery.
  UpdateCheck(Downloader& downloader, SettingsStore& store, LatestVersions& latest,
              UpdateAddresses addresses);
  ~UpdateCheck();
  UpdateCheck(const UpdateCheck&) = delete;
  UpdateCheck& operator=(const UpdateCheck&) = delete;

  // CheckForUpdates: both labels "Checking", the installed values shown, the first
  // download started, the timer running, "Please wait..." and "Cancel".
  void begin(const FileVersion& teraTerm, const FileVersion& product);
  // The timer: blinks the labels that are checking, starts the download asked for, and
  // at the end stops the timer and fills the results box.
  void tick();
  // The button (Cancel or Close) and Escape: aborts the download and stops the timer.
  void close();

  // Called after every change of what the window shows.
  void setChangeHook(std::function<void()> hook) { changed_ = std::move(hook); }

  const LatestLabel& teraTermLatest() const { return label6_; }  // Label6
  const LatestLabel& productLatest() const { return label8_; }   // Label8
  const std::string& teraTermInstalled() const { return teraTermInstalled_; }
  const std::string& productInstalled() const { return productInstalled_; }
  const std::string& results() const { return results_; }
  // "Cancel" while checking, "Close" when done.
  const char* buttonText() const { return done_ ? "Close" : "Cancel"; }
  bool timerActive() const { return timer_; }
  // The check has ended, with its results or with the connection error.
  bool done() const { return done_; }
  bool failed() const { return failed_; }
  // What the downloader said went wrong, for a log or a console.
  const std::string& failure() const { return failure_; }

  // Tera Term's link reacts to the mouse while it is a link; the product's only while
  // it is a link and Tera Term's is not (Tera Term is upgraded first).
  bool teraTermLinkActive() const { return label6_.state == LatestState::Link; }
  bool productLinkActive() const {
    return label8_.state == LatestState::Link && label6_.state != LatestState::Link;
  }
  // The installers of the versions found newer; empty while the label is no link.
  std::string teraTermInstallerUrl() const;
  std::string productInstallerUrl() const;

 private:
  void delivered(const DownloadReport& report);
  void fail(const std::string& why);
  void next(const std::string& url, int stage);
  void notify();

  Downloader& downloader_;
  SettingsStore& store_;
  LatestVersions& latest_;
  const UpdateAddresses addresses_;
  std::function<void()> changed_;

  FileVersion teraTermVersion_;
  FileVersion productVersion_;
  std::string teraTermInstalled_;
  std::string productInstalled_;
  LatestLabel label6_;
  LatestLabel label8_;
  std::optional<PublishedVersion> teraTermNewer_;
  std::optional<PublishedVersion> productNewer_;
  std::string releaseNotes_;
  std::string results_;
  std::string failure_;
  int stage_ = 0;
  std::string nextUrl_;       // a download asked for, started on the next tick
  bool downloading_ = false;  // a report is awaited
  bool timer_ = false;
  bool done_ = false;
  bool failed_ = false;
};

}  // namespace skelder
