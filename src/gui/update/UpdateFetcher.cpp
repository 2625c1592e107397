#include "gui/update/UpdateFetcher.h"

#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "shell/RunState.h"
#include "update/UpdateInformation.h"

namespace korvane::gui {

namespace {

using Status = update::FetchResult::Status;

class SystemProxyFactory : public QNetworkProxyFactory {
 public:
  QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
    return systemProxyForQuery(query);
  }
};

Status statusOf(QNetworkReply::NetworkError error) {
  switch (error) {
    case QNetworkReply::HostNotFoundError:
      return Status::HostNotFound;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
      return Status::ConnectionFailed;
    case QNetworkReply::TimeoutError:
      return Status::TimedOut;
    case QNetworkReply::SslHandshakeFailedError:
      return Status::CertificateRefused;
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
      return Status::ProxyFailed;
    default:
      return Status::OtherError;
  }
}

}  // namespace

UpdateFetcher::UpdateFetcher(QObject* parent) : QObject(parent) {
  setProxy(update::ProxySettings{});
}

UpdateFetcher::~UpdateFetcher() {
  if (reply_) {
    reply_->disconnect(this);
    reply_->abort();
  }
}

void UpdateFetcher::setProxy(const update::ProxySettings& proxy) {
  if (!proxy.use) {
    manager_.setProxyFactory(new SystemProxyFactory);
    return;
  }
  manager_.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QString::fromStdString(proxy.address),
                                  static_cast<quint16>(proxy.port),
                                  QString::fromStdString(proxy.userName),
                                  QString::fromStdString(proxy.password)));
}

void UpdateFetcher::fetch(const QString& address, int timeoutMilliseconds,
                          std::function<void(const update::FetchResult&)> done) {
  if (reply_) {
    reply_->disconnect(this);
    reply_->abort();
    reply_->deleteLater();
  }
  done_ = std::move(done);
  timedOut_ = tooLong_ = refused_ = false;

  QNetworkRequest request{QUrl(address)};
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::UserVerifiedRedirectPolicy);
  request.setMaximumRedirectsAllowed(5);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setHeader(
      QNetworkRequest::UserAgentHeader,
      QStringLiteral("korvane-ese/") + QString::fromLatin1(shell::kProgramVersion.data()));
  request.setTransferTimeout(timeoutMilliseconds);
  QNetworkReply* reply = manager_.get(request);
  reply_ = reply;

  connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl& target) {
    if (update::IsAllowedAddress(target.toString(QUrl::FullyEncoded).toStdString())) {
      emit reply->redirectAllowed();
    } else {
      refused_ = true;
      reply->abort();
    }
  });
  connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
    if (received > static_cast<qint64>(update::kMaxDocumentBytes)) {
      tooLong_ = true;
      reply->abort();
    }
  });
  // The transfer limit above only notices silence; a server that trickles
  // bytes is stopped here.
  auto* deadline = new QTimer(reply);
  deadline->setSingleShot(true);
  connect(deadline, &QTimer::timeout, this, [this, reply] {
    timedOut_ = true;
    reply->abort();
  });
  deadline->start(timeoutMilliseconds);
  connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
}

void UpdateFetcher::finish(QNetworkReply* reply) {
  reply->deleteLater();
  if (reply != reply_) return;
  reply_ = nullptr;

  update::FetchResult result;
  const QNetworkReply::NetworkError error = reply->error();
  const QVariant httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  if (refused_) {
    result.status = Status::AddressRefused;
  } else if (tooLong_) {
    result.status = Status::TooLong;
  } else if (timedOut_ || error == QNetworkReply::OperationCanceledError) {
    // A transfer timeout cancels the reply too.
    result.status = Status::TimedOut;
  } else if (error == QNetworkReply::NoError ||
             (httpStatus.isValid() && error >= QNetworkReply::ContentAccessDenied &&
              error <= QNetworkReply::UnknownServerError)) {
    // An HTTP answer, possibly an error status such as 404.
    result.status = Status::Received;
    result.httpStatus = httpStatus.toInt();
    result.body = reply->readAll().left(update::kMaxDocumentBytes + 1).toStdString();
  } else {
    result.status = statusOf(error);
    result.detail = reply->errorString().toStdString();
  }
  auto done = std::move(done_);
  done_ = nullptr;
  if (done) done(result);
}

}  // namespace korvane::gui
