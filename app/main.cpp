#include "appidentity.h"
#include "form1.h"
#include "linkaccessibility.h"
#include "pixeltext.h"
#include "qttranslations.h"
#include "running.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    announceRunning();
    QApplication app(argc, argv);
    applyApplicationIdentity();
    PixelText::installStyle();
    loadQtTranslations(app);
    installLinkAccessibility();

    Form1 form;
    form.show();
    const int status = QApplication::exec();
    // Qt 6.4's Wayland plugin can hang at exit: its event thread waits in
    // wl_display_read_events for a reader that is being torn down. Nothing
    // is left to do that the system does not do for an ending process.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
