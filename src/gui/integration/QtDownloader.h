#pragma once
// The update window's downloads over Qt's network access: one GET at a time, its
// report delivered from the event loop of the window's thread.
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include "platform/Downloader.h"

class QNetworkReply;

namespace skelder {

class QtDownloader : public QObject, public Downloader {
  Q_OBJECT
 public:
  explicit QtDownloader(DownloadLimits limits = {}, QObject* parent = nullptr);
  ~QtDownloader() override;

  void start(const std::string& url) override;
  // Ends the running download at once with a failure report.
  void abort() override;

 private:
  // Takes the reply away from the signals and aborts it; returns whether there was one.
  bool drop();
  void request(const QUrl& address);
  void fail(const std::string& why);
  void finished(QNetworkReply* reply);
  void read(QNetworkReply* reply);

  const DownloadLimits limits_;
  QNetworkAccessManager manager_;
  QPointer<QNetworkReply> reply_;
  QString scheme_;
  QByteArray body_;
  int redirects_ = 0;
  int generation_ = 0;  // which start a queued failure belongs to
};

}  // namespace skelder
