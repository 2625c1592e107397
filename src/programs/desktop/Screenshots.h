#pragma once

#include <QString>

namespace korvane {
class EstimatorSession;
}
namespace korvane::gui {
class MainWindow;
}
namespace korvane::shell {
struct RunState;
}

namespace korvane::desktop {

// Shows the main window and every dialog in turn and saves each as a PNG in
// dir (for looking at the program without clicking through it).
bool TakeScreenshots(gui::MainWindow& window, EstimatorSession& session, shell::RunState& state,
                     const QString& dir);

}  // namespace korvane::desktop
