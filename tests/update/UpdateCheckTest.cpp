#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

#include "Fakes.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"
#include "platform/SettingsStore.h"
#include "update/ProxySettings.h"
#include "update/UpdateCheck.h"

namespace korvane::update {
namespace {

constexpr const char* kNewer =
    R"({"version": "0.02.00", "date": "2027-01-15", "download": "https://dl.example/ese",)"
    R"( "notes": "Pumps in metric units."})";
constexpr const char* kSame =
    R"({"version": "0.01.00", "date": "2009-06-24", "download": "https://dl.example/ese"})";

// The windows as the check sees them: timers that the test fires by hand.
class FakeUpdateUi : public UpdateUi {
 public:
  void Show_Panel(const PanelState& p) override { panel = p; }
  void Start_Timer(Timer t, int ms) override { running[t] = ms; }
  void Stop_Timer(Timer t) override { running.erase(t); }
  bool Show_Notice() override {
    ++notices;
    return noticeYes;
  }
  void Start_Fetch(const std::string& address, int timeout) override {
    fetches.push_back(address);
    timeouts.push_back(timeout);
  }
  void Open_Download_Page(const std::string& address) override { opened.push_back(address); }

  PanelState panel;
  std::map<Timer, int> running;
  int notices = 0;
  bool noticeYes = false;
  std::vector<std::string> fetches;
  std::vector<int> timeouts;
  std::vector<std::string> opened;
};

FetchResult answer(const char* body, int status = 200) {
  FetchResult r;
  r.status = FetchResult::Status::Received;
  r.httpStatus = status;
  r.body = body;
  return r;
}

class UpdateCheckTest : public ::testing::Test {
 protected:
  void fire(Timer t) {
    ASSERT_TRUE(ui.running.count(t)) << "timer not running";
    check.Timer_Fired(t);
  }
  FakeUpdateUi ui;
  MemorySettingsStore store;
  korvane::testing::FakeMessageSink messages;
  bool autoUpdateCheck = false;
  UpdateCheck check{ui, store, messages, autoUpdateCheck, "https://built.in/update.json"};
};

TEST_F(UpdateCheckTest, FirstRunShowsTheNoticeOnceAndYesArmsTheCheck) {
  std::vector<std::string> order;
  check.NoticeClosed = [&] { order.push_back(store.readText("PROGRAM", "L50", "?")); };
  check.Begin(true);
  EXPECT_EQ(ui.running.at(Timer::Notice), 10);
  EXPECT_EQ(ui.notices, 0) << "the notice waits for its timer";
  ui.noticeYes = true;
  fire(Timer::Notice);
  EXPECT_EQ(ui.notices, 1);
  EXPECT_FALSE(ui.running.count(Timer::Notice)) << "one shot";
  EXPECT_EQ(store.readText("PROGRAM", "ORVEXA_32_1", ""), "0");
  EXPECT_EQ(order, std::vector<std::string>{"1"}) << "L50 is written before the file opens";
  EXPECT_TRUE(autoUpdateCheck);
  EXPECT_EQ(ui.panel,
            (PanelState{true, "Checking for updates...", false, "Click here to update software"}));
  EXPECT_EQ(ui.running.at(Timer::StartupCheck), 3000);
  EXPECT_TRUE(ui.fetches.empty());
  fire(Timer::StartupCheck);
  EXPECT_EQ(ui.fetches, std::vector<std::string>{"https://built.in/update.json"});
  EXPECT_EQ(ui.timeouts, std::vector<int>{15000});
}

TEST_F(UpdateCheckTest, NoOnTheNoticeHidesThePanelAndLaterRunsDoNotAsk) {
  check.Begin(true);
  ui.noticeYes = false;
  fire(Timer::Notice);
  EXPECT_EQ(store.readText("PROGRAM", "L50", ""), "0");
  EXPECT_FALSE(ui.panel.visible);
  EXPECT_TRUE(ui.running.empty());

  // The next start: the stored mark says it is no longer the first run.
  EXPECT_FALSE(store.readFlag("PROGRAM", "ORVEXA_32_1", true));
  check.Begin(false);
  EXPECT_FALSE(ui.running.count(Timer::Notice));
  EXPECT_FALSE(ui.panel.visible);
}

TEST_F(UpdateCheckTest, StartupCheckFlashesANewerReleaseAndHidesOtherwise) {
  struct Case {
    FetchResult fetched;
    bool available;
  };
  FetchResult timedOut;
  timedOut.status = FetchResult::Status::TimedOut;
  const Case cases[] = {
      {answer(kNewer), true},       {answer(kSame), false}, {answer("{"), false},
      {answer(kNewer, 404), false}, {timedOut, false},
  };
  for (const Case& c : cases) {
    autoUpdateCheck = true;
    ui = FakeUpdateUi{};
    messages.shown.clear();
    UpdateCheck startup{ui, store, messages, autoUpdateCheck, "https://built.in/u.json"};
    startup.Begin(false);
    startup.Timer_Fired(Timer::StartupCheck);
    startup.Fetch_Finished(c.fetched);
    EXPECT_TRUE(messages.shown.empty()) << "the start-up check is silent";
    if (!c.available) {
      EXPECT_FALSE(ui.panel.visible);
      EXPECT_TRUE(ui.running.empty());
      continue;
    }
    EXPECT_EQ(ui.panel,
              (PanelState{true, "Update Available", true, "Click here to download update."}));
    EXPECT_EQ(ui.running.at(Timer::Flash), 500);
    startup.Timer_Fired(Timer::Flash);
    EXPECT_EQ(ui.panel.text, "");
    startup.Timer_Fired(Timer::Flash);
    EXPECT_EQ(ui.panel.text, "Update Available");
    startup.Timer_Fired(Timer::Flash);
    EXPECT_EQ(ui.panel.text, "");
    // A click stops the flashing with the text shown, and asks.
    messages.answer = MessageAnswer::Yes;
    startup.Manual_Check();
    EXPECT_FALSE(ui.running.count(Timer::Flash));
    EXPECT_EQ(ui.panel.text, "Update Available");
    ASSERT_EQ(ui.fetches.size(), 2u);
    startup.Fetch_Finished(c.fetched);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Confirmation);
    EXPECT_NE(messages.shown[0].text.find("Version 0.02.00"), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("Pumps in metric units."), std::string::npos);
    EXPECT_EQ(ui.opened, std::vector<std::string>{"https://dl.example/ese"});
  }
}

TEST_F(UpdateCheckTest, ManualCheckWhileTheStartupCheckIsPendingOnlySaysSo) {
  autoUpdateCheck = true;
  check.Begin(false);
  check.Manual_Check();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Automatic Update is currently running.");
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Plain);
  EXPECT_TRUE(ui.fetches.empty());
  // Also while its answer is still on the way.
  fire(Timer::StartupCheck);
  check.Manual_Check();
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(ui.fetches.size(), 1u);
}

TEST_F(UpdateCheckTest, ManualCheckTellsNoUpdateAndFailures) {
  check.Begin(false);
  check.Manual_Check();
  check.Fetch_Finished(answer(kSame));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "A newer version was not found. You are using the most recent version of this "
            "program.");

  struct Case {
    FetchResult fetched;
    const char* says;
  };
  FetchResult host;
  host.status = FetchResult::Status::HostNotFound;
  FetchResult late;
  late.status = FetchResult::Status::TimedOut;
  const Case cases[] = {
      {answer("<html>", 200), "not valid"},
      {answer(kNewer, 404), "HTTP 404"},
      {host, "not found"},
      {late, "did not answer in time"},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    check.Manual_Check();
    check.Fetch_Finished(c.fetched);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_NE(messages.shown[0].text.find(c.says), std::string::npos) << messages.shown[0].text;
  }
  EXPECT_TRUE(ui.opened.empty());
}

TEST_F(UpdateCheckTest, TheSettingsAddressWinsButMustBeSafe) {
  store.writeText("PROGRAM", "UpdateUrl", "http://127.0.0.1:9/u.json");
  check.Manual_Check();
  EXPECT_EQ(ui.fetches.back(), "http://127.0.0.1:9/u.json");
  check.Fetch_Finished(answer(kSame));

  store.writeText("PROGRAM", "UpdateUrl", "http://updates.example/u.json");
  messages.shown.clear();
  check.Manual_Check();
  EXPECT_EQ(ui.fetches.size(), 1u) << "plain HTTP to another machine is never fetched";
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("HTTPS"), std::string::npos);
}

TEST_F(UpdateCheckTest, WithoutTheUpdateCheckNothingHappens) {
  model::testing::ScopedFeatureWord word(model::kEditionFeatureWord | (1u << model::NoUpdateCheck));
  autoUpdateCheck = true;
  EXPECT_FALSE(check.Notice_Due(true));
  check.Begin(true);
  check.Begin(false);
  check.Manual_Check();
  EXPECT_TRUE(ui.running.empty());
  EXPECT_EQ(ui.notices, 0);
  EXPECT_TRUE(ui.fetches.empty());
  EXPECT_FALSE(ui.panel.visible);
  EXPECT_TRUE(store.values.empty());
}

TEST(UpgradeQuestion, LongNotesAreCutOnACharacterBoundary) {
  UpdateInformation info;
  info.version = "0.02.00";
  info.date = "2027-01-15";
  info.notes = "a" + std::string(3000, '\xC3');
  for (size_t i = 1; i < info.notes.size(); i += 2) info.notes[i] = '\xA9';
  const std::string question = Upgrade_Question(info);
  const size_t cut = question.find("...");
  ASSERT_NE(cut, std::string::npos);
  EXPECT_EQ(static_cast<unsigned char>(question[cut - 1]), 0xA9);
}

// --- proxy settings

TEST(ProxyPort, DigitsBecomeAPortWithinRange) {
  struct Case {
    const char* text;
    int port;
  };
  const Case cases[] = {{"8080", 8080},   {"50000", 50000},
                        {"65535", 65535}, {"65536", 65535},
                        {"99999", 65535}, {"0", 1},
                        {"", 8080},       {"12a", 8080},
                        {"00080", 80},    {"123456789012", 65535}};
  for (const Case& c : cases) EXPECT_EQ(PortFromText(c.text), c.port) << c.text;
}

TEST(ProxySettingsStore, DefaultsRoundTripAndTheConnectionView) {
  MemorySettingsStore store;
  EXPECT_EQ(ReadProxySettings(store), ProxySettings{});
  const ProxySettings mine{true, "proxy.plant.example", 50000, "jo", ""};
  WriteProxySettings(store, mine);
  EXPECT_EQ(store.readText("PROXY", "USE", ""), "1");
  EXPECT_EQ(store.readText("PROXY", "PORT", ""), "50000");
  EXPECT_FALSE(store.readValue("PROXY", "PW")) << "the password has its own keeper";
  EXPECT_EQ(ReadProxySettings(store), mine);

  ProxySettings off = mine;
  off.use = false;
  EXPECT_EQ(ConnectionProxy(off).port, 8080);
  EXPECT_TRUE(ConnectionProxy(off).address.empty());
  EXPECT_EQ(ConnectionProxy(mine), mine);
}

class FakeKeyring : public SecretStore {
 public:
  void Read_Secret(std::string_view key,
                   std::function<void(std::optional<std::string>)> done) override {
    if (!available || !secrets.count(std::string(key))) return done(std::nullopt);
    done(secrets[std::string(key)]);
  }
  void Write_Secret(std::string_view key, std::string_view value,
                    std::function<void(bool)> done) override {
    if (available) secrets[std::string(key)] = value;
    done(available);
  }
  bool available = true;
  std::map<std::string, std::string> secrets;
};

TEST(ProxyPassword, KeyringWhenThereIsOneElseAPrivateSettingsFile) {
  MemorySettingsStore store;
  FakeKeyring keyring;
  int madePrivate = 0;
  ProxyPasswordKeeper keeper(store, &keyring, [&] { ++madePrivate; });
  std::string loaded = "?";
  keyring.secrets["proxy-password"] = "stale";
  keeper.Load([&](const std::string& p) { loaded = p; });
  EXPECT_EQ(loaded, "") << "no user name: the keyring is not asked";

  store.writeText("PROXY", "UN", "jo");
  keeper.Save("s3cret");
  EXPECT_EQ(keyring.secrets.at("proxy-password"), "s3cret");
  EXPECT_EQ(store.readText("PROXY", "PW", "?"), "") << "no copy in the file";
  EXPECT_EQ(madePrivate, 0);
  keeper.Load([&](const std::string& p) { loaded = p; });
  EXPECT_EQ(loaded, "s3cret");

  keyring.available = false;
  keeper.Save("other");
  EXPECT_EQ(store.readText("PROXY", "PW", ""), "other");
  EXPECT_EQ(madePrivate, 1) << "the file is made private before the password goes in";
  keeper.Load([&](const std::string& p) { loaded = p; });
  EXPECT_EQ(loaded, "other");

  // Without a keyring at all, an empty password needs no private file.
  ProxyPasswordKeeper plain(store, nullptr, [&] { ++madePrivate; });
  plain.Save("");
  EXPECT_EQ(madePrivate, 1);
  EXPECT_EQ(store.readText("PROXY", "PW", "?"), "");
}

}  // namespace
}  // namespace korvane::update
