#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "Screenshots.h"
#include "gui/platform/QSettingsStore.h"
#include "gui/platform/QtPlatform.h"
#include "gui/shell/AboutDialog.h"
#include "gui/shell/MainWindow.h"
#include "gui/update/UpdateAgent.h"
#include "session/EstimatorSession.h"
#include "shell/RecoveryFiles.h"
#include "shell/RunState.h"

namespace {

korvane::gui::MainWindow* gMainWindow = nullptr;

// Ends the program after an exception nobody handled: first the unsaved
// project goes to a recovery file, then the user is told, then the end.
[[noreturn]] void abortProgram(const QString& what) {
  QString message =
      QStringLiteral("Exception Error: ") + what + QStringLiteral(" Program Aborted!");
  if (gMainWindow) {
    if (auto file = gMainWindow->lifecycle().Write_Recovery_File()) {
      message += QStringLiteral("\n\n") +
                 QString::fromStdString(korvane::shell::RecoveryWrittenNotice(*file));
    }
  }
  std::cerr << message.toStdString() << '\n';
  korvane::gui::QtMessageSink().show(korvane::MessageKind::Error, message.toStdString(),
                                     korvane::MessageButtons::Ok);
  std::_Exit(EXIT_FAILURE);
}

class Application : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      abortProgram(QString::fromLocal8Bit(e.what()));
    } catch (...) {
      abortProgram(QStringLiteral("unknown exception"));
    }
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  Application app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("KORVANE"));
  QApplication::setApplicationName(QStringLiteral("ENERGY"));
  // No application display name: Qt would append it to every window title,
  // and the titles already say what they belong to.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/korvane-ese.svg")));
  QApplication::setDesktopFileName(QStringLiteral("korvane-ese"));

  // Developer aids: "--screenshots DIR" saves every window as a picture,
  // "--quit-when-shown" ends as soon as the main window is up (start-up time).
  QStringList args = QApplication::arguments().mid(1);
  QString screenshotDir;
  bool quitWhenShown = false;
  if (args.size() == 2 && args[0] == QStringLiteral("--screenshots")) {
    screenshotDir = args[1];
    args.clear();
  } else if (args.size() == 1 && args[0] == QStringLiteral("--quit-when-shown")) {
    quitWhenShown = true;
    args.clear();
  }

  try {
    // The splash screen first; it names the file given on the command line.
    korvane::gui::SplashScreen splash;
    korvane::shell::RunState state;
    state.StartupFile = args.join(QLatin1Char(' ')).toStdString();
    state.ProgramFolder = QDir(QApplication::applicationDirPath()).absolutePath().toStdString();
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir()) documents = QDir::homePath();
    state.DocumentsFolder = documents.toStdString();
    state.DataFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    splash.show();
    QApplication::processEvents();

    korvane::gui::QSettingsStore store;
    korvane::gui::QtMessageSink messages;
    korvane::gui::QtAlertSound alert;
    korvane::gui::QtProgramExit endNow;
    // A fault in a fixed table keeps the unsaved project before the end.
    korvane::shell::RecoveringProgramExit exit(endNow, messages);
    const korvane::preferences::NumberFormat format = korvane::gui::SystemNumberFormat();
    korvane::EstimatorSession session(messages, alert, exit, store, format);
    if (!session.Build_Catalogue()) return EXIT_FAILURE;

    korvane::gui::MainWindow window(session, state, alert, messages, format);
    gMainWindow = &window;
    exit.Attach(&window.lifecycle());
    messages.setParent(&window);
    window.CloseSplash = [&splash] { splash.close(); };
    window.updates().MakeSettingsPrivate = [&store] { store.makePrivate(); };
    if (!screenshotDir.isEmpty()) {
      splash.close();
      return korvane::desktop::TakeScreenshots(window, session, state, screenshotDir)
                 ? EXIT_SUCCESS
                 : EXIT_FAILURE;
    }
    window.show();
    if (quitWhenShown) QTimer::singleShot(0, &app, &QApplication::quit);
    const int result = QApplication::exec();
    store.sync();
    exit.Attach(nullptr);
    gMainWindow = nullptr;
    return result;
  } catch (const std::exception& e) {
    abortProgram(QString::fromLocal8Bit(e.what()));
  }
}
