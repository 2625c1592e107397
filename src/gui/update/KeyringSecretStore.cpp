#include "gui/update/KeyringSecretStore.h"

#include <qt6keychain/keychain.h>

namespace korvane::gui {

namespace {

const QString kService = QStringLiteral("korvane-ese");

QString q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void KeyringSecretStore::Read_Secret(std::string_view key,
                                     std::function<void(std::optional<std::string>)> done) {
  auto* job = new QKeychain::ReadPasswordJob(kService, this);
  job->setAutoDelete(true);
  job->setKey(q(key));
  connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job* j) {
    if (j->error() != QKeychain::NoError) return done(std::nullopt);
    done(static_cast<QKeychain::ReadPasswordJob*>(j)->textData().toStdString());
  });
  job->start();
}

void KeyringSecretStore::Write_Secret(std::string_view key, std::string_view value,
                                      std::function<void(bool)> done) {
  auto* job = new QKeychain::WritePasswordJob(kService, this);
  job->setAutoDelete(true);
  job->setKey(q(key));
  job->setTextData(q(value));
  connect(job, &QKeychain::Job::finished, this,
          [done = std::move(done)](QKeychain::Job* j) { done(j->error() == QKeychain::NoError); });
  job->start();
}

}  // namespace korvane::gui
