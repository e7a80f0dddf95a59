#include "infowindow.h"

#include "frminfo.h"
#include "platformwindow.h"

#include <QPointer>

void openInfoWindow(QWidget *owner)
{
    // The program's one info window; closing it deletes it.
    static QPointer<frminfo> window;
    // A window closed but not yet deleted counts as unloaded.
    if (!window || !window->isVisible()) {
        window = new frminfo;
        PlatformWindow::setOwner(window, owner);
        window->Form_Load();
        window->placeCentred();
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    // Activation arrives from the window system, later or, where it keeps
    // the focus elsewhere, never: the window's texts must not wait for it.
    if (!window->isActiveWindow())
        window->Form_Activate();
}
