#include "output.h"

#include "appidentity.h"
#include "messages.h"
#include "resultformat.h"
#include "resultpage.h"
#include "resultsheet.h"
#include "twipsprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#ifdef KWINDEL_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace Output {

namespace {

// Qt hands the finished job to CUPS without looking at the answer, so a
// queue that refuses it is noticed only here. Returns the refusal, if any.
QString spoolerRefusal()
{
#ifdef KWINDEL_HAVE_CUPS
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return QString::fromLocal8Bit(cupsLastErrorString());
#endif
    return {};
}

} // namespace

void saveResultPage(QWidget *owner, const QString &name, const QString &resultText)
{
    ResultPage::save(owner, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()), name, resultText);
}

void printResult(QWidget *owner, const QString &name, const QString &resultText)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        Messages::show(owner, QStringLiteral("Er is geen standaardprinter ingesteld. Het resultaat is niet afgedrukt."));
        return;
    }
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(applicationTitle());
    TwipsPrinter sheet(&printer);
    const bool printed = ResultSheet::print(sheet, name, resultText);
    const QString refusal = printed ? spoolerRefusal() : QString();
    if (printed && refusal.isEmpty())
        return;
    QString text = QStringLiteral("Afdrukken op printer \"%1\" is mislukt. Het resultaat is niet afgedrukt.").arg(target.printerName());
    if (!refusal.isEmpty())
        text += QStringLiteral("\n(%1)").arg(refusal);
    Messages::show(owner, text);
}

} // namespace Output
