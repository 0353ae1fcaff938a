#pragma once

#include <functional>

namespace torvane::ui {
class frmdiduvor;
}

namespace torvane {

// Starts the game: the application, the main window with its load handler
// run before it is first shown, then the event loop until the last window
// closes. `started`, if given, runs once the window is shown (tests use it to
// drive the real program). Returns the process's exit status.
int runGame(int& argc, char** argv, const std::function<void(ui::frmdiduvor&)>& started = {});

}  // namespace torvane
