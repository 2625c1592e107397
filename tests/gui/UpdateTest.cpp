#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>
#include <optional>

#include "SessionFixture.h"
#include "gui/platform/QSettingsStore.h"
#include "gui/preferences/PreferencesDialog.h"
#include "gui/shell/MainWindow.h"
#include "gui/update/ProxyDialog.h"
#include "gui/update/UpdateAgent.h"
#include "gui/update/UpdateFetcher.h"
#include "gui/update/UpdateNoticeDialog.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"
#include "update/UpdateCheck.h"

namespace korvane::gui {
namespace {

using update::CheckOutcome;
using update::FetchResult;

struct Route {
  int status = 200;
  QByteArray body;
  QByteArray extraHeaders;
  bool hang = false;  // reads the request, never answers
};

// A small HTTP/1.1 server on 127.0.0.1. As a proxy it takes absolute
// addresses and may ask for credentials first.
class LocalHttpServer : public QObject {
 public:
  LocalHttpServer() {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  QString url(const char* path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(QLatin1String(path));
  }
  quint16 port() const { return server_.serverPort(); }

  std::map<QByteArray, Route> routes;
  std::optional<QByteArray> credentials;  // "user:password" a proxy wants
  QList<QByteArray> requestLines;

 private:
  void serve(QTcpSocket* socket) {
    QByteArray& pending = pending_[socket];
    pending += socket->readAll();
    const qsizetype end = pending.indexOf("\r\n\r\n");
    if (end < 0) return;
    const QByteArray head = pending.left(end);
    pending.clear();
    const QList<QByteArray> lines = head.split('\n');
    const QByteArray requestLine = lines.value(0).trimmed();
    requestLines << requestLine;
    QByteArray target = requestLine.split(' ').value(1);
    if (target.startsWith("http://")) target = target.mid(target.indexOf('/', 7));
    if (credentials) {
      const QByteArray wanted = "Basic " + credentials->toBase64();
      bool authorised = false;
      for (const QByteArray& line : lines) {
        if (line.toLower().startsWith("proxy-authorization:")) {
          authorised = line.mid(line.indexOf(':') + 1).trimmed() == wanted;
        }
      }
      if (!authorised) {
        reply(socket, 407, "", "Proxy-Authenticate: Basic realm=\"test\"\r\n");
        return;
      }
    }
    const auto it = routes.find(target);
    if (it == routes.end()) return reply(socket, 404, "not here", "");
    if (it->second.hang) return;
    reply(socket, it->second.status, it->second.body, it->second.extraHeaders);
  }
  void reply(QTcpSocket* socket, int status, const QByteArray& body, const QByteArray& extra) {
    socket->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: " +
                  "application/json\r\nContent-Length: " + QByteArray::number(body.size()) +
                  "\r\n" + extra + "\r\n" + body);
  }

  QTcpServer server_;
  std::map<QTcpSocket*, QByteArray> pending_;
};

const QByteArray kNewer =
    R"({"version": "0.02.00", "date": "2027-01-15", "download": "https://dl.example/ese", "notes": "Metric pumps."})";
const QByteArray kSame =
    R"({"version": "0.01.00", "date": "2009-06-24", "download": "https://dl.example/ese"})";
const QByteArray kOlder =
    R"({"version": "0.00.09", "date": "2008-01-01", "download": "https://dl.example/ese"})";

class UpdateNetworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The system's proxy configuration must not reach the test's servers.
    for (const char* name :
         {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
      qunsetenv(name);
    }
    origin.routes["/newer.json"] = {200, kNewer, "", false};
    origin.routes["/same.json"] = {200, kSame, "", false};
    origin.routes["/older.json"] = {200, kOlder, "", false};
    origin.routes["/malformed.json"] = {200, "{\"version\": \"0.02.00\", ", "", false};
    origin.routes["/silent.json"] = {200, "", "", true};
    origin.routes["/away.json"] = {302, "", "Location: http://updates.example/x.json\r\n", false};
  }

  CheckOutcome fetch(const QString& address, int timeout = 5000) {
    std::optional<FetchResult> result;
    fetcher.fetch(address, timeout, [&](const FetchResult& r) { result = r; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 10000))
        << address.toStdString();
    return result ? update::Evaluate_Fetch(*result) : CheckOutcome{};
  }

  LocalHttpServer origin;
  UpdateFetcher fetcher;
};

struct Expected {
  const char* path;
  CheckOutcome::Kind kind;
  const char* failure;  // part of the failure message
};

const Expected kAnswers[] = {
    {"/newer.json", CheckOutcome::Kind::Newer, ""},
    {"/same.json", CheckOutcome::Kind::Current, ""},
    {"/older.json", CheckOutcome::Kind::Current, ""},
    {"/malformed.json", CheckOutcome::Kind::Failed, "not valid"},
    {"/missing.json", CheckOutcome::Kind::Failed, "HTTP 404"},
    {"/away.json", CheckOutcome::Kind::Failed, "HTTPS"},
    {"/silent.json", CheckOutcome::Kind::Failed, "did not answer in time"},
};

void expectOutcome(const CheckOutcome& outcome, const Expected& e) {
  EXPECT_EQ(outcome.kind, e.kind) << e.path << ": " << outcome.failure;
  EXPECT_NE(outcome.failure.find(e.failure), std::string::npos)
      << e.path << ": " << outcome.failure;
  if (e.kind == CheckOutcome::Kind::Newer) {
    EXPECT_EQ(outcome.information.version, "0.02.00");
  }
}

TEST_F(UpdateNetworkTest, EachKindOfAnswerFromTheServer) {
  for (const Expected& e : kAnswers) expectOutcome(fetch(origin.url(e.path), 400), e);
}

TEST_F(UpdateNetworkTest, NoServerAndPlainHttpElsewhereAreFailures) {
  const quint16 closed = [] {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
  }();
  const CheckOutcome refused = fetch(QStringLiteral("http://127.0.0.1:%1/x.json").arg(closed));
  EXPECT_NE(refused.failure.find("no connection"), std::string::npos) << refused.failure;
}

TEST_F(UpdateNetworkTest, TheSameThroughAProxyWithAndWithoutCredentials) {
  LocalHttpServer proxy;
  proxy.routes = origin.routes;
  fetcher.setProxy({true, "127.0.0.1", proxy.port(), "", ""});
  for (const Expected& e : kAnswers) expectOutcome(fetch(origin.url(e.path), 400), e);
  EXPECT_TRUE(origin.requestLines.isEmpty()) << "every request went through the proxy";
  ASSERT_FALSE(proxy.requestLines.isEmpty());
  EXPECT_TRUE(proxy.requestLines.first().startsWith("GET " + origin.url("/newer.json").toUtf8()));

  proxy.credentials = "jo:s3cret";
  fetcher.setProxy({true, "127.0.0.1", proxy.port(), "jo", "s3cret"});
  expectOutcome(fetch(origin.url("/newer.json")), kAnswers[0]);
  fetcher.setProxy({true, "127.0.0.1", proxy.port(), "jo", "wrong"});
  const CheckOutcome denied = fetch(origin.url("/newer.json"));
  EXPECT_EQ(denied.kind, CheckOutcome::Kind::Failed);
  EXPECT_NE(denied.failure.find("proxy"), std::string::npos) << denied.failure;
}

QByteArray fixture(const char* name) {
  QFile file(QStringLiteral(KORVANE_GUI_TEST_DATA "/") + QLatin1String(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

TEST_F(UpdateNetworkTest, AnUntrustedCertificateIsRefused) {
  QSslServer server;
  QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
  tls.setLocalCertificate(QSslCertificate(fixture("untrusted-cert.pem")));
  tls.setPrivateKey(QSslKey(fixture("untrusted-key.pem"), QSsl::Rsa));
  server.setSslConfiguration(tls);
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  const CheckOutcome outcome =
      fetch(QStringLiteral("https://127.0.0.1:%1/newer.json").arg(server.serverPort()));
  EXPECT_EQ(outcome.kind, CheckOutcome::Kind::Failed);
  EXPECT_NE(outcome.failure.find("certificate"), std::string::npos) << outcome.failure;
}

TEST(SettingsFile, StaysPrivateAcrossLaterSaves) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("ENERGY.conf"));
  QSettingsStore store(path);
  store.writeText("PROGRAM", "L1", "1");
  ASSERT_TRUE(store.makePrivate());
  store.writeText("PROXY", "PW", "s3cret");
  store.sync();
  const QFileDevice::Permissions permissions = QFile::permissions(path);
  EXPECT_TRUE(permissions.testFlag(QFileDevice::ReadOwner));
  EXPECT_EQ(permissions & (QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                           QFileDevice::ReadOther | QFileDevice::WriteOther),
            QFileDevice::Permissions());
}

// The whole start-up check with short intervals: armed, fetched, flashing,
// and a click that asks.
TEST_F(UpdateNetworkTest, StartupCheckShowsAndFlashesAnUpdateWithoutBlocking) {
  MemorySettingsStore store;
  korvane::testing::FakeMessageSink messages;
  bool autoUpdateCheck = true;
  QLabel panel;
  update::Timings quick{10, 50, 40, 2000};
  UpdateAgent agent(store, messages, autoUpdateCheck, &panel, nullptr, quick);
  std::vector<QString> opened;
  agent.OpenUrl = [&](const QString& address) { opened.push_back(address); };
  store.writeText("PROGRAM", "UpdateUrl", origin.url("/newer.json").toStdString());

  agent.check().Begin(false);
  EXPECT_EQ(panel.text(), "Checking for updates...");
  EXPECT_FALSE(panel.isHidden());
  ASSERT_TRUE(QTest::qWaitFor([&] { return panel.text() == "Update Available"; }, 5000));
  EXPECT_EQ(panel.toolTip(), "Click here to download update.");
  EXPECT_TRUE(panel.styleSheet().contains("red"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return panel.text().isEmpty(); }, 1000)) << "flashing";
  EXPECT_TRUE(messages.shown.empty());

  messages.answer = MessageAnswer::Yes;
  agent.check().Manual_Check();
  EXPECT_EQ(panel.text(), "Update Available") << "flashing stopped with the text shown";
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 5000));
  EXPECT_NE(messages.shown[0].text.find("Metric pumps."), std::string::npos);
  EXPECT_EQ(opened, std::vector<QString>{"https://dl.example/ese"});

  // A start-up check that fails hides the panel.
  store.writeText("PROGRAM", "UpdateUrl", origin.url("/silent.json").toStdString());
  quick.fetchTimeout = 200;
  UpdateAgent hanging(store, messages, autoUpdateCheck, &panel, nullptr, quick);
  hanging.check().Begin(false);
  bool responsive = false;
  QTimer::singleShot(100, [&] { responsive = hanging.check().fetching(); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return panel.isHidden(); }, 5000));
  EXPECT_TRUE(responsive) << "the window's events ran while the server was silent";
}

// --- dialogs

class ProxyDialogTest : public korvane::testing::SessionFixture {
 protected:
  QLineEdit* field(const char* name) { return dialog.findChild<QLineEdit*>(name); }
  update::ProxyPasswordKeeper keeper{store, nullptr, [this] { ++madePrivate; }};
  ProxyDialog dialog{store, keeper};
  std::vector<update::ProxySettings> transferred;
  int madePrivate = 0;
  void SetUp() override {
    dialog.Transfer = [this](const update::ProxySettings& p) { transferred.push_back(p); };
  }
};

TEST_F(ProxyDialogTest, PortFieldTakesDigitsUpTo65535) {
  dialog.Load_Proxy_settings();
  dialog.show();
  QLineEdit* port = field("Port");
  EXPECT_EQ(port->text(), "8080");
  for (const auto& [typed, left] : std::vector<std::pair<QString, QString>>{
           {"50000", "50000"}, {"99999", "65535"}, {"8a0b8c0", "8080"}, {"123456", "12345"}}) {
    port->setFocus();
    port->selectAll();
    QTest::keyClicks(port, typed);
    emit port->editingFinished();
    EXPECT_EQ(port->text(), left) << typed.toStdString();
  }
}

TEST_F(ProxyDialogTest, AcceptStoresAndTransfersCancelDoesNeither) {
  store.writeText("PROXY", "PORT", "3128");
  dialog.Load_Proxy_settings();
  ASSERT_EQ(transferred.size(), 1u);
  EXPECT_EQ(transferred.back().port, 8080) << "unchecked: the system's configuration";

  dialog.findChild<QCheckBox*>("UseProxy")->setChecked(true);
  field("Address")->setText("proxy.plant.example");
  field("Port")->setText("50000");
  field("UserName")->setText("jo");
  field("Password")->setText("s3cret");
  dialog.findChild<QPushButton*>("Cancel")->click();
  EXPECT_EQ(store.readText("PROXY", "ADDR", "?"), "?");
  EXPECT_EQ(transferred.size(), 1u);
  EXPECT_EQ(field("Address")->text(), "proxy.plant.example") << "the typed text stays";

  dialog.findChild<QPushButton*>("Accept")->click();
  EXPECT_EQ(store.readText("PROXY", "USE", ""), "1");
  EXPECT_EQ(store.readText("PROXY", "ADDR", ""), "proxy.plant.example");
  EXPECT_EQ(store.readText("PROXY", "PORT", ""), "50000");
  EXPECT_EQ(store.readText("PROXY", "UN", ""), "jo");
  EXPECT_EQ(store.readText("PROXY", "PW", ""), "s3cret") << "no keyring here";
  EXPECT_EQ(madePrivate, 1);
  EXPECT_EQ(transferred.back(),
            (update::ProxySettings{true, "proxy.plant.example", 50000, "jo", "s3cret"}));
}

TEST(UpdateNotice, NoIsTheDefaultAndTheLinkOpensTheProxyDialog) {
  UpdateNoticeDialog notice;
  EXPECT_FALSE(notice.yesChosen());
  int opened = 0;
  notice.OpenProxySettings = [&] { ++opened; };
  emit notice.findChild<QLabel*>("UseProxyLink")->linkActivated("proxy");
  EXPECT_EQ(opened, 1);
  notice.findChild<QRadioButton*>("Yes")->setChecked(true);
  EXPECT_TRUE(notice.yesChosen());
}

class UpdateMainWindowTest : public korvane::testing::SessionFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session.Build_Catalogue());
    // An opened file shows the wizard, which would wait modally for the user.
    window.OpenWizard = [] {};
  }
  shell::RunState state;
  MainWindow window{session, state, alert, messages, preferences::NumberFormat{}};
};

TEST_F(UpdateMainWindowTest, FirstRunNoticeYesArmsTheCheckAndComesOnlyOnce) {
  bool answered = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* notice = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!notice || notice->objectName() != "UpdateNotice") return;
    notice->findChild<QRadioButton*>("Yes")->click();
    notice->findChild<QPushButton*>("Close")->click();
    answered = true;
  });
  poll.start(5);
  window.First_Shown();
  EXPECT_EQ(store.readText("PROGRAM", "ORVEXA_32_1", ""), "") << "the notice waits 10 ms";
  ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }, 5000));
  QTest::qWait(20);
  EXPECT_EQ(store.readText("PROGRAM", "ORVEXA_32_1", ""), "0");
  EXPECT_EQ(store.readText("PROGRAM", "L50", ""), "1");
  EXPECT_EQ(window.statusPanel(4)->text(), "Checking for updates...");
  EXPECT_FALSE(window.statusPanel(4)->isHidden());

  // Within the first seconds a manual check only says that one runs.
  QTest::mouseClick(window.statusPanel(4), Qt::LeftButton);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, "Automatic Update is currently running.");

  // The preferences' link opens the same proxy dialog.
  PreferencesDialog& preferences = window.preferencesDialog();
  QTimer::singleShot(0, [&] { window.updates().proxyDialog().reject(); });
  emit preferences.findChild<QLabel*>("UseProxyLink")->linkActivated("proxy");
}

// A file named on the command line waits for the first-run notice, then opens.
TEST_F(UpdateMainWindowTest, FirstRunOpensTheStartupFileAfterTheNotice) {
  state.StartupFile = KORVANE_SAMPLES_DIR "/reference-fan.ESEProj";
  bool activeWhileAsked = true;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* notice = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!notice || notice->objectName() != "UpdateNotice") return;
    activeWhileAsked = state.ProjectActive;
    notice->findChild<QPushButton*>("Close")->click();
  });
  poll.start(5);
  window.First_Shown();
  EXPECT_FALSE(state.ProjectActive);
  ASSERT_TRUE(QTest::qWaitFor([&] { return state.ProjectActive; }, 5000));
  EXPECT_FALSE(activeWhileAsked);
  EXPECT_EQ(store.readText("PROGRAM", "L50", ""), "0");
  EXPECT_TRUE(window.statusPanel(4)->isHidden());
}

TEST(UpdateSwitchedOff, NoNoticeNoPanelNoMenuEntryNoLink) {
  model::testing::ScopedFeatureWord word(model::kEditionFeatureWord | (1u << model::NoUpdateCheck));
  korvane::testing::FakeMessageSink messages;
  korvane::testing::FakeAlertSound alert;
  korvane::testing::FakeProgramExit exit;
  MemorySettingsStore store;
  EstimatorSession session{messages, alert, exit, store};
  ASSERT_TRUE(session.Build_Catalogue());
  shell::RunState state;
  MainWindow window{session, state, alert, messages, preferences::NumberFormat{}};
  window.First_Shown();
  QTest::qWait(50);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(store.readText("PROGRAM", "ORVEXA_32_1", "").empty());
  EXPECT_TRUE(window.statusPanel(4)->isHidden());
  QTest::mouseClick(window.statusPanel(4), Qt::LeftButton);
  EXPECT_TRUE(messages.shown.empty());
  int entries = 0;
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text() == "Check for Update") {
      ++entries;
      EXPECT_FALSE(action->isVisible());
    }
  }
  EXPECT_EQ(entries, 1);
  EXPECT_TRUE(window.preferencesDialog().findChild<QLabel*>("UseProxyLink")->isHidden());
}

}  // namespace
}  // namespace korvane::gui
