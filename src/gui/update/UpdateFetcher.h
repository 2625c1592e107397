#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "update/ProxySettings.h"
#include "update/UpdateCheck.h"

class QNetworkReply;

namespace korvane::gui {

// Fetches the update information in the background: HTTPS with the
// certificate checked (plain HTTP to this machine only, redirects included),
// a whole-transfer time limit and a size limit. Never blocks the window.
class UpdateFetcher : public QObject {
 public:
  explicit UpdateFetcher(QObject* parent = nullptr);
  ~UpdateFetcher() override;

  // The proxy in use; with `use` off the system's own configuration.
  void setProxy(const update::ProxySettings& proxy);

  // One fetch at a time; a new one replaces the one under way.
  void fetch(const QString& address, int timeoutMilliseconds,
             std::function<void(const update::FetchResult&)> done);

 private:
  void finish(QNetworkReply* reply);

  QNetworkAccessManager manager_;
  QPointer<QNetworkReply> reply_;
  std::function<void(const update::FetchResult&)> done_;
  bool timedOut_ = false;
  bool tooLong_ = false;
  bool refused_ = false;
};

}  // namespace korvane::gui
