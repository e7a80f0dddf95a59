#include "kwindeltest.h"

#include <QDir>

#include <cups/cups.h>

// "Printen op papier" through the real main window into a CUPS queue whose
// backend keeps each job as it arrives (scripts/printer-setup.sh).
class PrintTest : public QObject
{
    Q_OBJECT

    // A queue of this run's own, so that other runs' jobs do not mix in.
    const QString m_queue = QStringLiteral("KwindelTest-%1").arg(QCoreApplication::applicationPid());
    const QDir m_jobs{QStringLiteral("/var/spool/kwindel-test/") + m_queue};

    QStringList jobs() const { return m_jobs.entryList({"job-*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed); }

private slots:
    void initTestCase()
    {
        if (!isRoot() || !QFile::exists("/usr/lib/cups/backend/kwindel-keep") || !m_jobs.mkpath("."))
            QSKIP("needs root and the CUPS backend that scripts/printer-setup.sh installs");
        QVERIFY(run("lpadmin", {"-p", m_queue, "-v", "kwindel-keep:" + m_jobs.path(), "-E"}));
        qputenv("LPDEST", m_queue.toLocal8Bit());
    }
    void cleanupTestCase()
    {
        run("lpadmin", {"-x", m_queue});
        QDir(m_jobs).removeRecursively();
    }

    // The name at 1600, 1000 twips from the printable area's corner, the
    // result at its left edge, the host name indented.
    void sheetHasItsWordsInPlaceOnOnePage()
    {
        Quiz quiz;
        answerAll(quiz, 1, "de buurjongen", "Zoë");
        const QStringList before = jobs();
        click(quiz.form.get(), "cmdprint");
        click(quiz.form.get(), "cmdprint");
        QTRY_COMPARE_WITH_TIMEOUT(jobs().size(), before.size() + 2, 20000);
        QVERIFY(quiz.messages.isEmpty());
        const QString job = m_jobs.filePath(jobs().last());
        QVERIFY(run("pdfinfo", {job}).value_or("").contains(QByteArrayLiteral("Pages:           1\n")));
        // Every printed word with its box in points, a line each.
        compareGolden(run("sh", {"-c", "pdftotext -bbox \"$0\" - | grep '<word '", job}).value_or(""), "printed-words.txt");
    }

    void failedPrintSaysWhy_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("no default printer") << "none" << "Er is geen standaardprinter ingesteld. Het resultaat is niet afgedrukt.";
        QTest::newRow("print service unreachable") << "unreachable" << "De afdrukservice is niet bereikbaar. Het resultaat is niet afgedrukt.";
        QTest::newRow("queue refuses jobs") << "refusing" << "Afdrukken op printer \"%1\" is mislukt. Het resultaat is niet afgedrukt.\nDe printer neemt nu geen afdruktaken aan.";
    }
    void failedPrintSaysWhy()
    {
        QFETCH(QString, fault);
        if (fault == "none")
            qputenv("LPDEST", "KwindelNoSuchQueue");
        if (fault == "unreachable")
            cupsSetServer("127.0.0.1:9");
        if (fault == "refusing")
            QVERIFY(run("cupsreject", {m_queue}));
        const auto undo = qScopeGuard([this] {
            qputenv("LPDEST", m_queue.toLocal8Bit());
            cupsSetServer(nullptr);
            run("cupsaccept", {m_queue});
        });
        Quiz quiz;
        forward(*quiz.form, 11);
        quiz.messages.clear();
        const int before = jobs().size();
        click(quiz.form.get(), "cmdprint");
        QFETCH(QString, message);
        QCOMPARE(quiz.messages.join(u'|'), message.arg(m_queue));
        QTest::qWait(500);
        QCOMPARE(jobs().size(), before);
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
