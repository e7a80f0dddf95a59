#include "infowindow.h"

#include "frminfo.h"

#include <QPointer>

void openInfoWindow()
{
    // The program's one info window; closing it deletes it.
    static QPointer<frminfo> window;
    // A window closed but not yet deleted counts as unloaded.
    if (!window || !window->isVisible()) {
        window = new frminfo;
        window->Form_Load();
        window->placeCentred();
        window->show();
        return;
    }
    window->raise();
    window->activateWindow();
    // Already visible: its activation runs again even where the window
    // system keeps the focus elsewhere.
    window->Form_Activate();
}
