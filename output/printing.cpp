// The printing module (see printingmodule.h): the only code that uses Qt
// Print Support and CUPS.

#include "printingmodule.h"
#include "resultsheet.h"
#include "twipsprinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#ifdef KWINDEL_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace {

constexpr auto notPrinted = "Het resultaat is niet afgedrukt.";

// Qt finds no default printer both when none is set and when the print
// service cannot be reached; only the service can tell which.
bool printServiceReachable()
{
#ifdef KWINDEL_HAVE_CUPS
    http_t *connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    httpClose(connection);
    return connection != nullptr;
#else
    return true;
#endif
}

// Qt hands the finished job to CUPS without looking at the answer, so a
// queue that refuses it is noticed only here. Returns the cause, in Dutch.
QString spoolerRefusal()
{
#ifdef KWINDEL_HAVE_CUPS
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
        return QStringLiteral("De printer neemt nu geen afdruktaken aan.");
    if (status > IPP_STATUS_OK_EVENTS_COMPLETE)
        return QStringLiteral("De printer weigert de afdruktaak (%1).").arg(QString::fromLocal8Bit(cupsLastErrorString()));
#endif
    return {};
}

QString printResult(const QString &name, const QString &resultText, const QString &title)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        const QString cause = printServiceReachable() ? QStringLiteral("Er is geen standaardprinter ingesteld.")
                                                      : QStringLiteral("De afdrukservice is niet bereikbaar.");
        return cause + u' ' + QLatin1StringView(notPrinted);
    }
    QPrinter printer(target, QPrinter::HighResolution);
    // Qt keeps its own A4 wherever the printer also takes A4; the job goes
    // on the printer's default paper instead.
    if (const QPageSize paper = target.defaultPageSize(); paper.isValid())
        printer.setPageSize(paper);
    printer.setDocName(title);
    TwipsPrinter sheet(&printer);
    const bool printed = ResultSheet::print(sheet, name, resultText);
    const QString refusal = printed ? spoolerRefusal() : QString();
    if (printed && refusal.isEmpty())
        return {};
    QString text = QStringLiteral("Afdrukken op printer \"%1\" is mislukt. ").arg(target.printerName())
                   + QLatin1StringView(notPrinted);
    if (!refusal.isEmpty())
        text += u'\n' + refusal;
    return text;
}

QString defaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

} // namespace

const PrintingModule *kwindelPrintingModule()
{
    static constexpr PrintingModule module{printResult, defaultPrinterName};
    return &module;
}
