#pragma once

struct AppState;
struct Services;
class MainWindow;
class StartScreen;

// Opens the program's two top-level screens, each deleting itself when it
// closes, so that neither screen needs to know the other.
namespace Navigator {

StartScreen *openStartScreen(AppState &state, Services &services);
// The main window for the set chosen in state, loaded and refreshed.
MainWindow *openMainWindow(AppState &state, Services &services);

} // namespace Navigator
