#include "navigator.h"

#include "app/mainwindow.h"
#include "app/startscreen.h"

namespace Navigator {

StartScreen *openStartScreen(AppState &state, Services &services)
{
    auto *screen = new StartScreen(state, services);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->show();
    return screen;
}

MainWindow *openMainWindow(AppState &state, Services &services)
{
    auto *window = new MainWindow(state, services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->activate();
    return window;
}

} // namespace Navigator
