#pragma once

#include <QLabel>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "update/ProxySettings.h"
#include "update/UpdateCheck.h"

namespace korvane {
class MessageSink;
class SettingsStore;
}  // namespace korvane

namespace korvane::gui {

class ProxyDialog;
class UpdateFetcher;

// The update check on the desktop: its timers, the status panel, the notice,
// the proxy dialog and the network, around the rules of update::UpdateCheck.
class UpdateAgent : public QObject, public update::UpdateUi {
 public:
  UpdateAgent(SettingsStore& store, MessageSink& messages, bool& autoUpdateCheck, QLabel* panel,
              QWidget* window, update::Timings timings = {});
  ~UpdateAgent() override;

  update::UpdateCheck& check() { return *check_; }
  ProxyDialog& proxyDialog() { return *proxy_; }
  UpdateFetcher& fetcher() { return *fetcher_; }

  // Makes the settings file readable by its owner only (before a password
  // goes into it).
  std::function<void()> MakeSettingsPrivate;
  // Opens a download page; the desktop's browser unless replaced.
  std::function<void(const QString&)> OpenUrl;

  // UpdateUi
  void Show_Panel(const update::PanelState& panel) override;
  void Start_Timer(update::Timer timer, int milliseconds) override;
  void Stop_Timer(update::Timer timer) override;
  bool Show_Notice() override;
  void Start_Fetch(const std::string& address, int timeoutMilliseconds) override;
  void Open_Download_Page(const std::string& address) override;

 private:
  QTimer& timer(update::Timer which);

  QLabel* panel_;
  QWidget* window_;
  QTimer noticeTimer_;
  QTimer startupTimer_;
  QTimer flashTimer_;
  std::unique_ptr<update::SecretStore> keyring_;
  std::unique_ptr<update::ProxyPasswordKeeper> password_;
  std::unique_ptr<ProxyDialog> proxy_;
  std::unique_ptr<UpdateFetcher> fetcher_;
  std::unique_ptr<update::UpdateCheck> check_;
};

}  // namespace korvane::gui
