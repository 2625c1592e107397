#include "gui/shell/DesktopServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "gui/shell/AboutDialog.h"
#include "platform/MessageSink.h"

namespace korvane::gui {

QString HelpFolder(const QString& programFolder) {
  for (const QString& candidate : {programFolder + QStringLiteral("/help"),
                                   programFolder + QStringLiteral("/../share/korvane-ese/help")}) {
    if (QFileInfo(candidate).isDir()) return QDir(candidate).absolutePath();
  }
  return QString();
}

void GetHelp(const QString& topic, const QString& programFolder, MessageSink& messages) {
  QString page = topic;
  if (!page.endsWith(QStringLiteral(".htm"))) page += QStringLiteral(".htm");
  const QString folder = HelpFolder(programFolder);
  const QString path = folder + QLatin1Char('/') + page;
  if (folder.isEmpty() || !QFileInfo::exists(path)) {
    messages.show(
        MessageKind::Warning,
        ("The help page \"" + page + "\" is not installed with this program.").toStdString(),
        MessageButtons::Ok);
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    messages.show(MessageKind::Warning,
                  ("The help page \"" + page +
                   "\" could not be shown: no web browser or other program for web pages is set "
                   "up on this computer.")
                      .toStdString(),
                  MessageButtons::Ok);
  }
}

void StartCalculator(MessageSink& messages, const QStringList& candidates) {
  const QStringList programs =
      candidates.isEmpty()
          ? QStringList{QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                        QStringLiteral("mate-calc"),        QStringLiteral("galculator"),
                        QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")}
          : candidates;
  for (const QString& program : programs) {
    const QString path = QStandardPaths::findExecutable(program);
    if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
  }
  messages.show(MessageKind::Information,
                "No calculator program is installed on this computer. Install one (for example "
                "gnome-calculator or galculator) to use this command.",
                MessageButtons::Ok);
}

void VisitWebSite() {
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebSite)));
}

}  // namespace korvane::gui
