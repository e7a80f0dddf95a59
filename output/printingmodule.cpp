#include "printingmodule.h"

#include <QLibrary>

const PrintingModule &printingModule()
{
    static const PrintingModule *const module = [] {
        // By its plain name: the program's run path holds the folder it is in.
        QLibrary library(QStringLiteral("kwindel_print"));
        const auto entry = reinterpret_cast<decltype(&kwindelPrintingModule)>(library.resolve("kwindelPrintingModule"));
        if (!entry)
            qFatal("%s", qPrintable(library.errorString()));
        return entry();
    }();
    return *module;
}
