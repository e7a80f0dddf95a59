#include "printingmodule.h"

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
        // By its plain name: the program's run path holds the folder it is in.
        QLibrary library(QStringLiteral("kwindel_print"));
        const auto entry = reinterpret_cast<decltype(&kwindelPrintingModule)>(library.resolve("kwindelPrintingModule"));
        return entry ? entry() : &missing;
    }();
    return *module;
}
