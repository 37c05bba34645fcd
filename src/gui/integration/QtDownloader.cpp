#include "gui/integration/QtDownloader.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <utility>

namespace skelder {

QtDownloader::QtDownloader(DownloadLimits limits, QObject* parent)
    : QObject(parent), limits_(limits) {}

QtDownloader::~QtDownloader() { drop(); }

bool QtDownloader::drop() {
  if (!reply_) return false;
  QNetworkReply* reply = reply_;
  reply_ = nullptr;
  reply->disconnect(this);
  reply->abort();
  reply->deleteLater();
  return true;
}

void QtDownloader::start(const std::string& url) {
  drop();
  body_.clear();
  const int generation = ++generation_;
  const QUrl address(QString::fromLocal8Bit(url.data(), static_cast<int>(url.size())));
  scheme_ = address.scheme().toLower();
  if (!address.isValid() || (scheme_ != "http" && scheme_ != "https")) {
    // Reported from the event loop, as every other report.
    QTimer::singleShot(0, this, [this, generation] {
      if (generation == generation_ && !reply_)
        deliver(DownloadReport::Failure("not an HTTP address"));
    });
    return;
  }
  redirects_ = 0;
  request(address);
}

// Redirects are followed here, not by the network access, whose own following loses
// replies of servers that close each connection (HTTP/1.0).
void QtDownloader::request(const QUrl& address) {
  QNetworkRequest get(address);
  get.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Skelder"));
  get.setRawHeader("Accept", "*/*");
  get.setRawHeader("Cache-Control", "no-cache");
  get.setRawHeader("Pragma", "no-cache");
  get.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  get.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  get.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
  get.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
  get.setTransferTimeout(static_cast<int>(limits_.idle.count()));
  QNetworkReply* reply = manager_.get(get);
  reply_ = reply;
  connect(reply, &QNetworkReply::readyRead, this, [this, reply] { read(reply); });
  connect(reply, &QNetworkReply::finished, this, [this, reply] { finished(reply); });
}

void QtDownloader::abort() {
  if (reply_) fail("aborted");
}

void QtDownloader::fail(const std::string& why) {
  drop();
  body_.clear();
  deliver(DownloadReport::Failure(why));
}

void QtDownloader::read(QNetworkReply* reply) {
  if (reply != reply_) return;
  if (reply->isOpen()) body_ += reply->readAll();
  if (static_cast<std::size_t>(body_.size()) > limits_.maxBody)
    fail("body over " + std::to_string(limits_.maxBody) + " bytes");
}

void QtDownloader::finished(QNetworkReply* reply) {
  if (reply != reply_) return;
  read(reply);
  if (reply != reply_) return;  // over the size limit
  reply_ = nullptr;
  reply->deleteLater();
  const QByteArray body = std::exchange(body_, QByteArray());
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const QNetworkReply::NetworkError error = reply->error();
  const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
  DownloadReport report;
  if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError) {
    report = DownloadReport::Failure("nothing received for " +
                                     std::to_string(limits_.idle.count()) + " ms");
  } else if (status >= 300 && status <= 399 && location.isValid()) {
    const QUrl target = reply->url().resolved(location);
    if (target.scheme().toLower() != scheme_) {
      report = DownloadReport::Failure("redirected to another scheme");
    } else if (redirects_ == limits_.maxRedirects) {
      report = DownloadReport::Failure("too many redirects");
    } else {
      ++redirects_;
      request(target);
      return;
    }
  } else if (status != 0 && (status < 200 || status > 299)) {
    report = DownloadReport::Failure("HTTP status " + std::to_string(status));
  } else if (error != QNetworkReply::NoError) {
    report = DownloadReport::Failure(reply->errorString().toStdString());
  } else if (body.isEmpty()) {
    report = DownloadReport::Failure("no data");
  } else {
    report = DownloadReport::Body(body.toStdString());
  }
  deliver(report);
}

}  // namespace skelder
