#include "output.h"

#include "messages.h"
#include "resultformat.h"
#include "resultpage.h"
#include "resultsheet.h"
#include "twipsprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

namespace Output {

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
    printer.setDocName(QString::fromLatin1(ResultFormat::printDocumentName));
    TwipsPrinter sheet(&printer);
    if (!ResultSheet::print(sheet, name, resultText)) {
        Messages::show(owner, QStringLiteral("Afdrukken op printer \"%1\" is mislukt. Het resultaat is niet afgedrukt.")
                                  .arg(target.printerName()));
    }
}

} // namespace Output
