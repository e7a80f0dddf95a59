#include "printingmodule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

// Without the module the program goes on; printing only says why it cannot.
constexpr PrintingModule missing{
    [](const QString &, const QString &, const QString &) {
        return QStringLiteral("Het afdrukonderdeel van Kwindel (libkwindel_print) ontbreekt naast het programma. "
                              "Het resultaat is niet afgedrukt.");
    },
    [] { return QString(); },
};

} // namespace

const PrintingModule &printingModule()
{
    static const PrintingModule *const module = [] {
        // Beside the program and nowhere else: a search by plain name would
        // try the folders of the library path too.
        QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/kwindel_print"));
        const auto entry = reinterpret_cast<decltype(&kwindelPrintingModule)>(library.resolve("kwindelPrintingModule"));
        return entry ? entry() : &missing;
    }();
    return *module;
}
