#include "form1.h"
#include "messages.h"
#include "output.h"
#include "toolrun.h"

#include <QDir>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

namespace {

// Made by scripts/printer-setup.sh.
constexpr char queue[] = "KwindelTestPDF";
const QString queueConfig = QStringLiteral("/etc/cups/cups-pdf-KwindelTestPDF.conf");

QSet<QString> completedJobs()
{
    QSet<QString> jobs;
    const ToolRun run = runTool(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), QString::fromLatin1(queue)});
    for (const QByteArray &line : run.out.split('\n')) {
        if (!line.isEmpty())
            jobs << QString::fromUtf8(line.split(' ').constFirst());
    }
    return jobs;
}

QByteArray allJobs()
{
    return runTool(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")}).out;
}

QSet<QString> pdfsIn(const QString &folder)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return {names.begin(), names.end()};
}

// Why the real-printer tests cannot run here, or nothing when they can.
QString whyNoTestQueue()
{
    if (!hasTool(QStringLiteral("lpstat")) || !hasTool(QStringLiteral("pdfinfo")))
        return QStringLiteral("CUPS client or poppler-utils missing (scripts/deps.sh installs them)");
    if (!runTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}).out.contains("is running"))
        return QStringLiteral("the CUPS scheduler is not running (scripts/printer-setup.sh starts it when run as root)");
    if (!runTool(QStringLiteral("lpstat"), {QStringLiteral("-p"), QString::fromLatin1(queue)}).ran || !QFile::exists(queueConfig))
        return QStringLiteral("no KwindelTestPDF queue (scripts/printer-setup.sh adds it when run as root)");
    return {};
}

// Where cups-pdf puts the test queue's PDFs.
QString testQueueOutput()
{
    QFile config(queueConfig);
    config.open(QIODevice::ReadOnly);
    static const QRegularExpression out(QStringLiteral("^Out (.*)$"), QRegularExpression::MultilineOption);
    return out.match(QString::fromUtf8(config.readAll())).captured(1).trimmed();
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT
    QStringList m_messages;

private slots:
    void initTestCase()
    {
        Messages::setRecorder([this](QWidget *, const QString &text) { m_messages << text; });
    }

    void init() { m_messages.clear(); }

    void missingDefaultPrinterIsToldNotPrinted()
    {
        qputenv("LPDEST", "KwindelNoSuchQueue");
        qunsetenv("PRINTER");
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        const QByteArray jobsBefore = allJobs();
        Output::printResult(nullptr, QStringLiteral("Sanne"), QStringLiteral("Je bent lief"));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.constFirst().contains(QStringLiteral("standaardprinter")));
        QCOMPARE(allJobs(), jobsBefore);
    }

    void refusedJobIsToldNotQueued()
    {
        if (const QString why = whyNoTestQueue(); !why.isEmpty())
            QSKIP(qPrintable(why));
        qputenv("LPDEST", queue);
        if (!runTool(QStringLiteral("cupsreject"), {QString::fromLatin1(queue)}).ran)
            QSKIP("cupsreject needs CUPS admin rights (root)");
        const auto acceptAgain = qScopeGuard([] { runTool(QStringLiteral("cupsaccept"), {QString::fromLatin1(queue)}); });
        const QByteArray jobsBefore = allJobs();
        Output::printResult(nullptr, QStringLiteral("Sanne"), QStringLiteral("Je bent lief"));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.constFirst().contains(QStringLiteral("mislukt")), qPrintable(m_messages.constFirst()));
        QCOMPARE(allJobs(), jobsBefore);
    }

    void twoClicksGiveTwoOnePageJobs()
    {
        if (const QString why = whyNoTestQueue(); !why.isEmpty())
            QSKIP(qPrintable(why));
        const QString out = testQueueOutput();
        // The queue is the default for this process only.
        qputenv("LPDEST", queue);
        QCOMPARE(QPrinterInfo::defaultPrinterName(), QString::fromLatin1(queue));
        const QSet<QString> jobsBefore = completedJobs();
        const QSet<QString> pdfsBefore = pdfsIn(out);

        Form1 form;
        form.findChild<QLineEdit *>(QStringLiteral("txtNaam"))->setText(QStringLiteral("Sanne"));
        form.findChild<QLineEdit *>(QStringLiteral("txtAGeslacht"))->setText(QStringLiteral("Kim"));
        auto *print = form.findChild<QPushButton *>(QStringLiteral("cmdprint"));
        print->click();
        print->click();
        QVERIFY(m_messages.isEmpty());

        QTRY_COMPARE_WITH_TIMEOUT((completedJobs() - jobsBefore).size(), 2, 90000);
        const QSet<QString> pdfs = pdfsIn(out) - pdfsBefore;
        QCOMPARE(pdfs.size(), 2);
        for (const QString &pdf : pdfs) {
            const QString path = out + u'/' + pdf;
            static const QRegularExpression onePage(QStringLiteral("^Pages:\\s+1$"), QRegularExpression::MultilineOption);
            QVERIFY(onePage.match(QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {path}).out)).hasMatch());
            // cups-pdf's ghostscript drops the text's Unicode mapping, so only check the page is not blank
            QVERIFY(!runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).out.trimmed().isEmpty());
            QFile::remove(path);
        }
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
