#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "update/UpdateInformation.h"

namespace korvane {
class MessageSink;
class SettingsStore;
}  // namespace korvane

namespace korvane::update {

inline constexpr std::string_view kCheckingText = "Checking for updates...";
inline constexpr std::string_view kAvailableText = "Update Available";
inline constexpr std::string_view kAvailableHint = "Click here to download update.";
inline constexpr std::string_view kPanelHint = "Click here to update software";
inline constexpr std::string_view kRunningMessage = "Automatic Update is currently running.";
inline constexpr std::string_view kNoUpdateMessage =
    "A newer version was not found. You are using the most recent version of this program.";

enum class Timer { Notice, StartupCheck, Flash };

// Intervals in milliseconds; tests shorten them.
struct Timings {
  int notice = 10;
  int startupCheck = 3000;
  int flash = 500;
  int fetchTimeout = 15000;
};

// The main window's fourth status panel.
struct PanelState {
  bool visible = false;
  std::string text;
  bool red = false;
  std::string hint;
  bool operator==(const PanelState&) const = default;
};

// What fetching the update information brought back.
struct FetchResult {
  enum class Status {
    Received,  // an answer with an HTTP status
    HostNotFound,
    ConnectionFailed,
    TimedOut,
    CertificateRefused,
    ProxyFailed,
    AddressRefused,
    TooLong,
    OtherError,
  };
  Status status = Status::OtherError;
  int httpStatus = 0;
  std::string body;
  std::string detail;  // the network's own words, for errors without a text of ours
};

// A finished check: a newer release, none, or why it failed.
struct CheckOutcome {
  enum class Kind { Newer, Current, Failed };
  Kind kind = Kind::Failed;
  UpdateInformation information;
  std::string failure;
};
CheckOutcome Evaluate_Fetch(const FetchResult& fetched);

// The question asked when a manual check found a newer release.
std::string Upgrade_Question(const UpdateInformation& information);

// What the update check needs from the windows: the panel, the timers, the
// notice, the network and the browser.
class UpdateUi {
 public:
  virtual ~UpdateUi() = default;
  virtual void Show_Panel(const PanelState& panel) = 0;
  virtual void Start_Timer(Timer timer, int milliseconds) = 0;
  virtual void Stop_Timer(Timer timer) = 0;
  // The "Automatic Updates" notice, modal; true when "Yes" was chosen.
  virtual bool Show_Notice() = 0;
  // Starts fetching; the answer comes back through UpdateCheck::Fetch_Finished.
  virtual void Start_Fetch(const std::string& address, int timeoutMilliseconds) = 0;
  virtual void Open_Download_Page(const std::string& address) = 0;
};

// When the program looks for a newer release and what panel 4 says about it:
// the first-run notice, the silent start-up check with its flashing result,
// and the check the user asks for.
class UpdateCheck {
 public:
  UpdateCheck(UpdateUi& ui, SettingsStore& store, MessageSink& messages, bool& autoUpdateCheck,
              std::string builtInAddress, Timings timings = {});

  // After the preferences are loaded: the notice (first run), the start-up
  // check (automatic checking on) or a hidden panel. Nothing at all in an
  // edition without the update check.
  void Begin(bool firstRun);
  // Whether Begin will show the notice rather than look for updates.
  bool Notice_Due(bool firstRun) const;
  // Panel 4 says "Checking for updates..." and the check follows shortly.
  void Arm_Startup_Check();
  void Hide_Panel();

  // Help > "Check for Update" and a click on panel 4.
  void Manual_Check();

  void Timer_Fired(Timer timer);
  void Fetch_Finished(const FetchResult& fetched);

  // The address fetched: the settings value, else the one built in.
  std::string Address() const;

  const PanelState& panel() const { return panel_; }
  bool fetching() const { return fetching_; }

  // Runs after the notice was closed and its choice stored, before the
  // start-up check is armed (the program opens the file it was started with).
  std::function<void()> NoticeClosed;

 private:
  enum class Mode { Hidden, Checking, Available };
  void setMode(Mode mode);
  void stopFlashing();
  void fetch(bool manual);

  UpdateUi& ui_;
  SettingsStore& store_;
  MessageSink& messages_;
  bool& autoUpdateCheck_;
  std::string builtInAddress_;
  Timings timings_;
  Mode mode_ = Mode::Hidden;
  PanelState panel_;
  bool flashing_ = false;
  bool fetching_ = false;
  bool manual_ = false;
};

}  // namespace korvane::update
