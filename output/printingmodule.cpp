#include "printingmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// Without the module the program goes on; printing only says why it cannot.
constexpr PrintingModule missing{
    [](const QString &, const QString &, const QString &) {
        return QStringLiteral("Het afdrukonderdeel van Kwindel (libkwindel_print) ontbreekt. "
                              "Het resultaat is niet afgedrukt.");
    },
    [] { return QString(); },
};

} // namespace

const PrintingModule &printingModule()
{
    static const PrintingModule *const module = [] {
        // By full path from the program's folder and nowhere else: a search by
        // plain name would try the folders of the library path too. Installed,
        // the module has a folder of its own; in the build folder it lies
        // beside the program.
        const QDir program(QCoreApplication::applicationDirPath());
        for (const QString &folder : {QStringLiteral(KWINDEL_PRINT_MODULE_DIR), QStringLiteral(".")}) {
            QLibrary library(QDir::cleanPath(program.filePath(folder)) + QStringLiteral("/kwindel_print"));
            if (const auto entry = reinterpret_cast<decltype(&kwindelPrintingModule)>(library.resolve("kwindelPrintingModule")))
                return entry();
        }
        return &missing;
    }();
    return *module;
}
