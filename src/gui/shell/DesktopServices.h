#pragma once

#include <QString>
#include <QStringList>

namespace korvane {
class MessageSink;
}

namespace korvane::gui {

// The folder of the help pages: "help" beside the program, or the installed
// share folder. Empty when neither exists.
QString HelpFolder(const QString& programFolder);

// Shows a help topic ("HLP_CONTENTS", "NEW_PROJECT", "FORMULAS", ...) in the
// browser; a message when the page is missing.
void GetHelp(const QString& topic, const QString& programFolder, MessageSink& messages);

// Starts the desktop's calculator; a message when none is installed.
void StartCalculator(MessageSink& messages, const QStringList& candidates = {});

void VisitWebSite();

}  // namespace korvane::gui
