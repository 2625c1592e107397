#include "update/UpdateCheck.h"

#include "model/FeatureSwitches.h"
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"
#include "shell/RunState.h"

namespace korvane::update {

namespace {

constexpr std::string_view kFailed = "The update check failed: ";
constexpr size_t kMaxNotesShown = 1500;

std::string failed(std::string_view why) {
  return std::string(kFailed) + std::string(why);
}

}  // namespace

CheckOutcome Evaluate_Fetch(const FetchResult& fetched) {
  using Status = FetchResult::Status;
  CheckOutcome outcome;
  switch (fetched.status) {
    case Status::Received:
      break;
    case Status::HostNotFound:
      outcome.failure = failed(
          "the update server was not found. Please check the internet connection and the proxy "
          "settings.");
      return outcome;
    case Status::ConnectionFailed:
      outcome.failure = failed("no connection to the update server could be made.");
      return outcome;
    case Status::TimedOut:
      outcome.failure = failed("the update server did not answer in time.");
      return outcome;
    case Status::CertificateRefused:
      outcome.failure = failed("the update server's certificate could not be verified.");
      return outcome;
    case Status::ProxyFailed:
      outcome.failure =
          failed("the proxy server refused the connection. Please check the proxy settings.");
      return outcome;
    case Status::AddressRefused:
      outcome.failure = failed("the update address must be an HTTPS address.");
      return outcome;
    case Status::TooLong:
      outcome.failure = failed("the update information is not valid (the document is too long).");
      return outcome;
    case Status::OtherError:
      outcome.failure = failed(fetched.detail.empty() ? "unknown network error." : fetched.detail);
      return outcome;
  }
  if (fetched.httpStatus != 200) {
    outcome.failure = failed("the server has no update information (HTTP " +
                             std::to_string(fetched.httpStatus) + ").");
    return outcome;
  }
  ParsedInformation parsed = ParseUpdateInformation(fetched.body);
  if (!parsed.information) {
    outcome.failure = failed("the update information is not valid (" + parsed.problem + ").");
    return outcome;
  }
  const auto running = ParseReleaseNumber(shell::kProgramVersion);
  const auto runningDate = ParseUsDate(kProgramDate);
  outcome.information = std::move(*parsed.information);
  outcome.kind =
      IsNewerRelease(outcome.information.number, outcome.information.releaseDate,
                     running.value_or(ReleaseNumber{}), runningDate.value_or(ReleaseDate{}))
          ? CheckOutcome::Kind::Newer
          : CheckOutcome::Kind::Current;
  return outcome;
}

std::string Upgrade_Question(const UpdateInformation& information) {
  std::string text = "Version " + information.version + " of " +
                     std::string(shell::kApplicationTitle) + " (released " + information.date +
                     ") is available. You are using version " +
                     std::string(shell::kProgramVersion) + ".";
  if (!information.notes.empty()) {
    std::string notes = information.notes.substr(0, kMaxNotesShown);
    // Never end inside a UTF-8 sequence.
    while (!notes.empty() && notes.size() < information.notes.size() &&
           (static_cast<unsigned char>(information.notes[notes.size()]) & 0xC0) == 0x80) {
      notes.pop_back();
    }
    if (notes.size() < information.notes.size()) notes += "...";
    text += "\n\nWhat is new:\n" + notes;
  }
  text += "\n\nDo you want to open the download page now?";
  return text;
}

UpdateCheck::UpdateCheck(UpdateUi& ui, SettingsStore& store, MessageSink& messages,
                         bool& autoUpdateCheck, std::string builtInAddress, Timings timings)
    : ui_(ui),
      store_(store),
      messages_(messages),
      autoUpdateCheck_(autoUpdateCheck),
      builtInAddress_(std::move(builtInAddress)),
      timings_(timings) {}

bool UpdateCheck::Notice_Due(bool firstRun) const {
  return firstRun && !model::FeatureOff(model::NoUpdateCheck);
}

void UpdateCheck::Begin(bool firstRun) {
  if (model::FeatureOff(model::NoUpdateCheck)) return;
  if (firstRun) {
    ui_.Start_Timer(Timer::Notice, timings_.notice);
  } else if (autoUpdateCheck_) {
    Arm_Startup_Check();
  } else {
    Hide_Panel();
  }
}

void UpdateCheck::Arm_Startup_Check() {
  if (model::FeatureOff(model::NoUpdateCheck)) return;
  setMode(Mode::Checking);
  ui_.Start_Timer(Timer::StartupCheck, timings_.startupCheck);
}

void UpdateCheck::Hide_Panel() {
  setMode(Mode::Hidden);
}

void UpdateCheck::Manual_Check() {
  if (model::FeatureOff(model::NoUpdateCheck)) return;
  stopFlashing();
  if (mode_ == Mode::Checking || fetching_) {
    messages_.show(MessageKind::Plain, kRunningMessage, MessageButtons::Ok);
    return;
  }
  fetch(true);
}

void UpdateCheck::Timer_Fired(Timer timer) {
  switch (timer) {
    case Timer::Notice: {
      ui_.Stop_Timer(Timer::Notice);
      // Shown once: the mark goes before the notice, so it never comes again.
      autoUpdateCheck_ = false;
      settings::kFirstRun.write(store_, false);
      autoUpdateCheck_ = ui_.Show_Notice();
      settings::kAutoUpdateCheck.write(store_, autoUpdateCheck_);
      if (NoticeClosed) NoticeClosed();
      if (autoUpdateCheck_) {
        Arm_Startup_Check();
      } else {
        Hide_Panel();
      }
      break;
    }
    case Timer::StartupCheck:
      ui_.Stop_Timer(Timer::StartupCheck);
      if (mode_ == Mode::Checking && !fetching_) fetch(false);
      break;
    case Timer::Flash:
      if (!flashing_) break;
      panel_.text = panel_.text.empty() ? std::string(kAvailableText) : std::string();
      ui_.Show_Panel(panel_);
      break;
  }
}

void UpdateCheck::fetch(bool manual) {
  manual_ = manual;
  fetching_ = true;
  const std::string address = Address();
  if (!IsAllowedAddress(address)) {
    FetchResult refused;
    refused.status = FetchResult::Status::AddressRefused;
    Fetch_Finished(refused);
    return;
  }
  ui_.Start_Fetch(address, timings_.fetchTimeout);
}

void UpdateCheck::Fetch_Finished(const FetchResult& fetched) {
  if (!fetching_) return;
  fetching_ = false;
  const CheckOutcome outcome = Evaluate_Fetch(fetched);
  if (!manual_) {
    // The start-up check is silent: a newer release shows in the panel only.
    if (outcome.kind == CheckOutcome::Kind::Newer) {
      setMode(Mode::Available);
      flashing_ = true;
      ui_.Start_Timer(Timer::Flash, timings_.flash);
    } else {
      setMode(Mode::Hidden);
    }
    return;
  }
  switch (outcome.kind) {
    case CheckOutcome::Kind::Newer:
      setMode(Mode::Available);
      if (messages_.show(MessageKind::Confirmation, Upgrade_Question(outcome.information),
                         MessageButtons::YesNo) == MessageAnswer::Yes) {
        ui_.Open_Download_Page(outcome.information.download);
      }
      break;
    case CheckOutcome::Kind::Current:
      setMode(Mode::Hidden);
      messages_.show(MessageKind::Plain, kNoUpdateMessage, MessageButtons::Ok);
      break;
    case CheckOutcome::Kind::Failed:
      // A start-up check still waiting keeps its panel; the failure is told.
      messages_.error(outcome.failure);
      break;
  }
}

std::string UpdateCheck::Address() const {
  const std::string configured = settings::kUpdateAddress.read(store_);
  return configured.empty() ? builtInAddress_ : configured;
}

void UpdateCheck::stopFlashing() {
  if (!flashing_) return;
  flashing_ = false;
  ui_.Stop_Timer(Timer::Flash);
  // Stopped between two flashes the panel would stay blank.
  setMode(mode_);
}

void UpdateCheck::setMode(Mode mode) {
  mode_ = mode;
  if (mode != Mode::Available && flashing_) {
    flashing_ = false;
    ui_.Stop_Timer(Timer::Flash);
  }
  switch (mode) {
    case Mode::Hidden:
      panel_ = PanelState{false, "", false, std::string(kPanelHint)};
      break;
    case Mode::Checking:
      panel_ = PanelState{true, std::string(kCheckingText), false, std::string(kPanelHint)};
      break;
    case Mode::Available:
      panel_ = PanelState{true, std::string(kAvailableText), true, std::string(kAvailableHint)};
      break;
  }
  ui_.Show_Panel(panel_);
}

}  // namespace korvane::update
