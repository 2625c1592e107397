#include "Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QThread>

#include "gui/calculators/FormulaDialog.h"
#include "gui/preferences/PreferencesDialog.h"
#include "gui/shell/AboutDialog.h"
#include "gui/shell/CompanyLogoDialog.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/ProjectTypeDialog.h"
#include "gui/update/ProxyDialog.h"
#include "gui/update/UpdateAgent.h"
#include "gui/update/UpdateNoticeDialog.h"
#include "gui/wizard/TFanForm.h"
#include "session/EstimatorSession.h"
#include "shell/ProjectTypeChoice.h"
#include "shell/RunState.h"
#include "update/UpdateCheck.h"

namespace korvane::desktop {

namespace {

void settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(40);
  }
}

bool save(QWidget& widget, const QDir& dir, const QString& name) {
  settle();
  return widget.grab().save(dir.filePath(name + QStringLiteral(".png")));
}

// The wizard of a new project of one fan, then of several systems.
bool wizardPictures(gui::MainWindow& window, EstimatorSession& session, shell::RunState& state,
                    const QDir& dir) {
  bool ok = true;
  gui::TFanForm& wizard = window.wizard();
  const std::vector<shell::ApplicationEntry> types = shell::ApplicationEntries();
  shell::SetUpSingleSystemProject(state, &types.front());
  state.ProjectActive = true;
  wizard.Prepare_Show();
  wizard.show();
  ok &= save(wizard, dir, QStringLiteral("wizard-welcome"));
  wizard.core().Start_Project();
  wizard.Reload();
  for (int step = 1; step <= wizard::kStepCount; ++step) {
    wizard.core().Select_Step(step);
    wizard.Reload();
    ok &= save(wizard, dir, QStringLiteral("wizard-single-step-%1").arg(step));
  }
  wizard.close();

  shell::SetUpMultiSystemProject(state);
  state.ResumeProject = true;
  wizard.core().wizard.CurrentSystem = -1;
  session.model.project.Set_System_Count(0);
  wizard.Prepare_Show();
  wizard.show();
  wizard::EstimationWizard& core = wizard.core();
  const std::array<const char*, 3> names = {"Supply fan AHU-1", "Return fan AHU-1",
                                            "Chilled water pump P-2"};
  for (size_t i = 0; i < names.size(); ++i) {
    core.Select_Step(3);
    core.Add_System_Clicked();
    core.editor.choices.identification = names[i];
    core.Set_Application_Type(i == 2 ? model::ApplicationType::Pump : model::ApplicationType::Fan);
    core.Add_System();
  }
  wizard.Reload();
  ok &= save(wizard, dir, QStringLiteral("wizard-multi-overview"));
  core.Edit_System(wizard::EditTrigger::Button);
  wizard.Reload();
  ok &= save(wizard, dir, QStringLiteral("wizard-multi-editor"));
  core.Go_Back_From_Update();
  wizard.Reload();
  wizard.close();
  return ok;
}

}  // namespace

bool TakeScreenshots(gui::MainWindow& window, EstimatorSession& session, shell::RunState& state,
                     const QString& path) {
  QDir dir(path);
  if (!dir.mkpath(QStringLiteral("."))) return false;
  bool ok = true;

  window.resize(1024, 700);
  window.show();
  // The first-run notice would wait for an answer; it is pictured on its own below.
  window.updates().Stop_Timer(update::Timer::Notice);
  ok &= save(window, dir, QStringLiteral("main-window"));

  gui::SplashScreen splash;
  splash.show();
  ok &= save(splash, dir, QStringLiteral("splash"));
  splash.close();

  gui::AboutDialog about(&window);
  about.show();
  ok &= save(about, dir, QStringLiteral("about"));
  about.close();

  gui::ProjectTypeDialog& type = window.projectTypeDialog();
  type.Prepare_Show();
  type.show();
  ok &= save(type, dir, QStringLiteral("project-type"));
  type.close();

  gui::PreferencesDialog& preferences = window.preferencesDialog();
  preferences.Prepare_Show(gui::PreferencesDialog::kPreferencesPage, false);
  preferences.show();
  for (int page = 0; page < preferences.tabs()->count(); ++page) {
    if (!preferences.tabs()->isTabVisible(page)) continue;
    preferences.tabs()->setCurrentIndex(page);
    ok &= save(preferences, dir, QStringLiteral("preferences-%1").arg(page + 1));
  }
  preferences.close();

  for (bool metric : {false, true}) {
    gui::FormulaDialog& formulas = window.formulaDialog(metric);
    formulas.Prepare_Show();
    formulas.show();
    for (int page = 0; page < formulas.tabs()->count(); ++page) {
      formulas.tabs()->setCurrentIndex(page);
      ok &= save(formulas, dir,
                 QStringLiteral("formulas-%1-%2").arg(metric ? "metric" : "english").arg(page + 1));
    }
    formulas.close();
  }

  gui::CompanyLogoDialog logo(QString(), session.messages, &window);
  logo.show();
  ok &= save(logo, dir, QStringLiteral("company-logo"));
  logo.close();

  gui::UpdateNoticeDialog notice(&window);
  notice.show();
  ok &= save(notice, dir, QStringLiteral("update-notice"));
  notice.close();

  // The status panel as a start-up check leaves it when a release is waiting.
  window.updates().Show_Panel(
      {true, std::string(update::kAvailableText), true, std::string(update::kAvailableHint)});
  ok &= save(window, dir, QStringLiteral("main-window-update-available"));
  window.updates().check().Hide_Panel();

  gui::ProxyDialog& proxy = window.updates().proxyDialog();
  proxy.show();
  ok &= save(proxy, dir, QStringLiteral("proxy-settings"));
  proxy.close();

  ok &= wizardPictures(window, session, state, dir);
  return ok;
}

}  // namespace korvane::desktop
