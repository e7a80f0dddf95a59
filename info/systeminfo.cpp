#include "systeminfo.h"

#include "printingmodule.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

namespace SystemInfo {

QString text(const QScreen *screen)
{
    QStringList lines;
    lines << QStringLiteral("Besturingssysteem: %1 (%2 %3)")
                 .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion());
    lines << QStringLiteral("Processor: %1").arg(QSysInfo::currentCpuArchitecture());
    lines << QStringLiteral("Qt-versie: %1").arg(QString::fromLatin1(qVersion()));
    if (screen) {
        lines << QStringLiteral("Scherm: %1 x %2 pixels, %3 dpi")
                     .arg(screen->size().width())
                     .arg(screen->size().height())
                     .arg(qRound(screen->logicalDotsPerInch()));
    }
    const QString printer = printingModule().defaultPrinterName();
    lines << (printer.isEmpty() ? QStringLiteral("Standaardprinter: geen") : QStringLiteral("Standaardprinter: %1").arg(printer));
    return lines.join(QLatin1Char('\n'));
}

QDialog *createDialog(QWidget *over)
{
    auto *dialog = new QDialog(over);
    dialog->setWindowTitle(QStringLiteral("Systeeminformatie"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);

    auto *facts = new QLabel(text(over ? over->screen() : nullptr), dialog);
    facts->setObjectName(QStringLiteral("facts"));
    facts->setTextFormat(Qt::PlainText);
    // Selectable, so the facts can be copied into a report.
    facts->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);

    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(facts);
    layout->addWidget(buttons);
    return dialog;
}

void showDialog(QWidget *over)
{
    QDialog *dialog = createDialog(over);
    // A window made after its owner was disabled starts disabled too.
    dialog->setEnabled(true);
    dialog->exec();
}

} // namespace SystemInfo
