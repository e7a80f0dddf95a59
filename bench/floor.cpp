// The toolkit's floor: the least a Qt Widgets program needs to show a window
// of Kwindel's main-window size with one button. The start-up timer compares
// the real program against it.

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#ifdef FLOOR_WITH_PRINTING
#include <QPrinterInfo>
#include <cups/cups.h>
// Referenced, never called: the libraries are linked and loaded, as they
// would be by a program that can print.
void *volatile keepPrinting[] = {reinterpret_cast<void *>(&QPrinterInfo::defaultPrinterName),
                                 reinterpret_cast<void *>(&cupsLastError)};
#endif

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(FLOOR_TITLE));
    window.setFixedSize(224, 151);
    QPushButton button(QStringLiteral("&Verder"), &window);
    button.setGeometry(8, 116, 81, 25);
    window.show();
    return QApplication::exec();
}
