#include "appidentity.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyApplicationIdentity();

    Form1 form;
    form.show();
    return QApplication::exec();
}
