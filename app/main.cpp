#include "appidentity.h"
#include "form1.h"
#include "linkaccessibility.h"
#include "qttranslations.h"
#include "running.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    announceRunning();
    QApplication app(argc, argv);
    applyApplicationIdentity();
    loadQtTranslations(app);
    installLinkAccessibility();

    Form1 form;
    form.show();
    return QApplication::exec();
}
