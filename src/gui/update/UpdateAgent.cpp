#include "gui/update/UpdateAgent.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QUrl>

#include "gui/update/ProxyDialog.h"
#include "gui/update/UpdateFetcher.h"
#include "gui/update/UpdateNoticeDialog.h"
#ifdef KORVANE_HAVE_KEYCHAIN
#include "gui/update/KeyringSecretStore.h"
#endif

namespace korvane::gui {

UpdateAgent::UpdateAgent(SettingsStore& store, MessageSink& messages, bool& autoUpdateCheck,
                         QLabel* panel, QWidget* window, update::Timings timings)
    : panel_(panel), window_(window) {
#ifdef KORVANE_HAVE_KEYCHAIN
  keyring_ = std::make_unique<KeyringSecretStore>();
#endif
  password_ = std::make_unique<update::ProxyPasswordKeeper>(store, keyring_.get(), [this] {
    if (MakeSettingsPrivate) MakeSettingsPrivate();
  });
  proxy_ = std::make_unique<ProxyDialog>(store, *password_, window);
  fetcher_ = std::make_unique<UpdateFetcher>();
  proxy_->Transfer = [this](const update::ProxySettings& proxy) { fetcher_->setProxy(proxy); };
  check_ = std::make_unique<update::UpdateCheck>(*this, store, messages, autoUpdateCheck,
                                                 KORVANE_UPDATE_URL, timings);
  OpenUrl = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };

  noticeTimer_.setSingleShot(true);
  startupTimer_.setSingleShot(true);
  connect(&noticeTimer_, &QTimer::timeout, this,
          [this] { check_->Timer_Fired(update::Timer::Notice); });
  connect(&startupTimer_, &QTimer::timeout, this,
          [this] { check_->Timer_Fired(update::Timer::StartupCheck); });
  connect(&flashTimer_, &QTimer::timeout, this,
          [this] { check_->Timer_Fired(update::Timer::Flash); });

  QFont bold = panel_->font();
  bold.setBold(true);
  panel_->setFont(bold);
  panel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Wide enough for every text, so the flashing never moves the other panels.
  panel_->setMinimumWidth(
      QFontMetrics(bold).horizontalAdvance(QString::fromLatin1(update::kCheckingText.data())) + 12);
}

UpdateAgent::~UpdateAgent() = default;

QTimer& UpdateAgent::timer(update::Timer which) {
  switch (which) {
    case update::Timer::Notice:
      return noticeTimer_;
    case update::Timer::StartupCheck:
      return startupTimer_;
    case update::Timer::Flash:
      break;
  }
  return flashTimer_;
}

void UpdateAgent::Show_Panel(const update::PanelState& panel) {
  panel_->setText(QString::fromStdString(panel.text));
  panel_->setToolTip(QString::fromStdString(panel.hint));
  panel_->setStyleSheet(panel.red ? QStringLiteral("color: red;") : QString());
  panel_->setVisible(panel.visible);
}

void UpdateAgent::Start_Timer(update::Timer which, int milliseconds) {
  timer(which).start(milliseconds);
}

void UpdateAgent::Stop_Timer(update::Timer which) {
  timer(which).stop();
}

bool UpdateAgent::Show_Notice() {
  // Made afresh and gone once closed.
  UpdateNoticeDialog notice(window_);
  notice.OpenProxySettings = [this] { proxy_->exec(); };
  notice.exec();
  return notice.yesChosen();
}

void UpdateAgent::Start_Fetch(const std::string& address, int timeoutMilliseconds) {
  fetcher_->fetch(QString::fromStdString(address), timeoutMilliseconds,
                  [this](const update::FetchResult& result) { check_->Fetch_Finished(result); });
}

void UpdateAgent::Open_Download_Page(const std::string& address) {
  if (OpenUrl) OpenUrl(QString::fromStdString(address));
}

}  // namespace korvane::gui
