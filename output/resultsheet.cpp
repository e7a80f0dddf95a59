#include "resultsheet.h"

#include "appinfo.h"
#include "resultformat.h"
#include "twipsprinter.h"

#include <QString>

namespace ResultSheet {

namespace {
QString text(std::string_view latin1)
{
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}
} // namespace

bool print(TwipsPrinter &printer, const QString &name, const QString &resultText)
{
    using namespace ResultFormat;
    printer.setFontName(text(printFontName), text(printFontStandIn));
    printer.setFontSize(printFontPoints);
    printer.setX(nameX);
    printer.setY(nameY);
    if (!printer.printLine(name) || !printer.printLine(resultText))
        return false;
    printer.setX(closingX);
    return printer.printLine(text(AppInfo::makerHost).toUpper()) && printer.endDocument();
}

} // namespace ResultSheet
