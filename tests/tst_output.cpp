#include "support/kwindeltest.h"
#include "resultpage.h"

#include <cups/cups.h>
#include <sys/fsuid.h>

// The output page's commands through the real main window. "Opslaan in een
// bestand": the page as bytes and as a browser reads it, handed to the
// desktop's opener, and what a failing save leaves behind. "Printen op
// papier": into a CUPS queue whose backend keeps each job as it arrives
// (scripts/printer-setup.sh).
class OutputTest : public QObject
{
    Q_OBJECT
    const QString m_folder = QCoreApplication::applicationDirPath();
    const QString m_page = m_folder + QStringLiteral("/Kwindel.htm");
    // A print queue of this run's own, so that other runs' jobs do not mix in.
    const QString m_queue = QStringLiteral("KwindelTest-%1").arg(QCoreApplication::applicationPid());
    const QDir m_jobs{QStringLiteral("/var/spool/kwindel-test/") + m_queue};
    bool m_printer = false;

    QStringList jobs() const { return m_jobs.entryList({"job-*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed); }

private slots:
    void initTestCase()
    {
        m_printer = isRoot() && QFile::exists("/usr/lib/cups/backend/kwindel-keep") && m_jobs.mkpath(".")
                    && run("lpadmin", {"-p", m_queue, "-v", "kwindel-keep:" + m_jobs.path(), "-E"})
                    && run("lpadmin", {"-p", m_queue + "L", "-v", "kwindel-keep:" + m_jobs.path(), "-E", "-P", "/var/spool/kwindel-test/letter.ppd"});
        qputenv("LPDEST", m_queue.toLocal8Bit());
    }
    void cleanupTestCase()
    {
        run("lpadmin", {"-x", m_queue});
        run("lpadmin", {"-x", m_queue + "L"});
        QDir(m_jobs).removeRecursively();
    }
    void init()
    {
        QFile::remove(m_page);
        forgetOpened();
        if (!m_printer && QByteArray(QTest::currentTestFunction()).toLower().contains("print"))
            QSKIP("needs root and the CUPS backend that scripts/printer-setup.sh installs");
    }

    // Thirteen users, between them every choice on every page, and names
    // with markup and letters beyond ASCII; their pages one after another,
    // and each as a browser reads it. Alone on a page, names such as these
    // were once read in a Baltic code page.
    void everyAnswerReachesThePage()
    {
        const QStringList names{"de buurjongen", "Zoë", "<b>Tom</b> & Jerry", "Łódź", "😀", "", "Ærø", "x", "Noël",
                                "René Müller", "a&amp;b", "Chloë", ""};
        QByteArray pages;
        for (int k = 0; k < 13; ++k) {
            forgetOpened();
            Quiz quiz;
            answerAll(quiz, k < 12 ? k : -1, names[k], names[12 - k]);
            click(quiz.form.get(), "cmdSave");
            QTRY_COMPARE(opened(), QStringList{"file://" + m_page});
            pages += readFile(m_page);
            QTemporaryDir profile;
            const QString dom = QString::fromUtf8(run("chromium", {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--user-data-dir=" + profile.path(), "--dump-dom", "file://" + m_page}).value_or(""));
            QVERIFY2(dom.contains(QString("<font color=\"red\" size=\"10\">%1</font>").arg(names[12 - k].toHtmlEscaped())), qPrintable(dom));
            QVERIFY2(dom.contains(QString("\n%1 zal verliefd op je worden zoals je bent!!!!!\n").arg(names[k].toHtmlEscaped())), qPrintable(dom));
        }
        compareGolden(pages, "saved-pages.htm");
    }

    // Each fault is made and undone by a shell command ($0: the program's
    // folder, on a small disk of its own; $XDG_DATA_HOME: a fresh one).
    // Permissions do not stop root, so a folder closed to the page's writer is
    // tried as nobody. Without a reason the page is saved: rewritten in place,
    // or, where the program's folder may not be written, in the user's own.
    void saveWhereSomethingRefuses_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("undo");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("own");
        const QString nobody = " && chmod 777 $XDG_DATA_HOME && chmod 755 ${KWINDEL_OPENED%/*}";
        QTest::newRow("read-only folder") << "chattr +i $0" << "chattr -i $0" << "U hebt geen toestemming om in deze map te schrijven." << false;
        QTest::newRow("read-only page") << "chattr +i $0/Kwindel.htm" << "chattr -i $0/Kwindel.htm" << "Het bestaande bestand is alleen-lezen." << false;
        QTest::newRow("full disk") << "cat /dev/zero > $0/filler || true" << "rm $0/filler" << "De schijf is vol." << false;
        QTest::newRow("read-only disk") << "mount -o remount,ro $0" << "mount -o remount,rw $0" << "" << true;
        QTest::newRow("read-only disk and user folder") << "mount -o remount,ro $0 && chattr +i $XDG_DATA_HOME"
            << "mount -o remount,rw $0 && chattr -i $XDG_DATA_HOME" << "U hebt geen toestemming om in deze map te schrijven." << true;
        QTest::newRow("closed folder, open page") << "chmod 555 $0 && chmod 666 $0/Kwindel.htm" + nobody << "chmod 1777 $0" << "" << false;
        QTest::newRow("closed folder, no page") << "rm $0/Kwindel.htm && chmod 555 $0" + nobody << "chmod 1777 $0" << "" << true;
    }
    void saveWhereSomethingRefuses()
    {
        if (!isRoot())
            QSKIP("needs root to make the faults with mount and chattr");
        QVERIFY(run("mount", {"-t", "tmpfs", "-o", "size=256k", "kwindel-test", m_folder}));
        const auto unmount = qScopeGuard([this] { run("umount", {m_folder}); });
        const QTemporaryDir userData;
        qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
        Quiz quiz;
        answerAll(quiz, 1, "Sam", "Kim");
        click(quiz.form.get(), "cmdSave");
        QTRY_COMPARE(opened().size(), 1); // before the next save's opener, which may come first under load
        const QByteArray before = readFile(m_page);
        QFETCH(QString, reason);
        QFETCH(bool, own);
        const QString page = own ? userData.filePath("kwindel/Kwindel.htm") : m_page;
        control<QLineEdit>(quiz.form.get(), "txtNaam")->setText(QString(reason.isEmpty() ? 1 : 300000, u'x')); // more than the disk holds
        QFETCH(QString, make);
        QVERIFY(run("sh", {"-c", make, m_folder}));
        setfsuid(make.contains("chmod 555") ? 65534 : 0); // closed to nobody
        click(quiz.form.get(), "cmdSave");
        setfsuid(0);
        QFETCH(QString, undo);
        QVERIFY(run("sh", {"-c", undo, m_folder}));
        QCOMPARE(quiz.messages, reason.isEmpty() ? QStringList() : QStringList{"Het resultaat kon niet worden opgeslagen in\n" + page + "\n\n" + reason});
        if (reason.isEmpty()) { // shorter, in place or in the user's own folder, and opened from there
            QCOMPARE(readFile(page), ResultPage::bytes("x", quiz.form->resultText()));
            QTRY_COMPARE(opened().size(), 2);
            QCOMPARE(opened().last(), "file://" + page);
            if (own)
                QCOMPARE(readFile(m_page), make.startsWith("rm") ? QByteArray() : before);
            return;
        }
        QCOMPARE(readFile(m_page), before);
        control<QLineEdit>(quiz.form.get(), "txtNaam")->setText("Kim");
        click(quiz.form.get(), "cmdSave");
        QCOMPARE(readFile(m_page), before);
        QTRY_COMPARE(opened().size(), 2); // the failed save opened nothing
    }

    void pageWithoutOpenerIsSavedAndSaysWhere()
    {
        setOpenerPresent(false);
        const auto restore = qScopeGuard([] { setOpenerPresent(true); });
        Quiz quiz;
        forward(*quiz.form, 11);
        click(quiz.form.get(), "cmdSave");
        QVERIFY(QFile::exists(m_page));
        QCOMPARE(quiz.messages.last(), "Het resultaat is opgeslagen in\n" + m_page +
                                           "\n\nmaar er is geen programma gevonden om het te openen.");
    }
    // The name at 1600, 1000 twips from the printable area's corner, the
    // result at its left edge, the host name indented.
    void printedSheetHasItsWordsInPlaceOnOnePage()
    {
        Quiz quiz;
        answerAll(quiz, 1, "de buurjongen", "Zoë");
        const QStringList before = jobs();
        click(quiz.form.get(), "cmdprint");
        QTRY_COMPARE_WITH_TIMEOUT(jobs().size(), before.size() + 1, 20000);
        // The next on a queue whose default is Letter, printable from 18, 36 pt.
        qputenv("LPDEST", (m_queue + "L").toLocal8Bit());
        click(quiz.form.get(), "cmdprint");
        qputenv("LPDEST", m_queue.toLocal8Bit());
        QTRY_COMPARE_WITH_TIMEOUT(jobs().size(), before.size() + 2, 20000);
        QVERIFY(quiz.messages.isEmpty());
        const QString job = m_jobs.filePath(jobs().at(before.size()));
        const QByteArray info = run("pdfinfo", {job}).value_or("");
        QVERIFY2(info.contains("Title:           Kwindel\n") && info.contains("Pages:           1\n"), info); // the queue shows the title
        // Every printed word with its box in points, a line each.
        compareGolden(run("sh", {"-c", "pdftotext -bbox \"$0\" - | grep '<word '", job}).value_or(""), "printed-words.txt");
        // That one is on Letter, its words placed from the printable corner.
        QCOMPARE(run("sh", {"-c", "pdfinfo \"$0\" | grep 'Page size'; pdftotext -bbox \"$0\" - | grep -m2 '<word ' | "
                                  "awk -F'\"' '{printf \"%.0f %.0f\\n\", $2, $4}'", m_jobs.filePath(jobs().last())}).value_or(""),
                 "Page size:       612 x 792 pts (letter)\n98 86\n18 97\n");
    }

    // A fault is a variable of this process's environment (VAR=value), or
    // one made at the print service. Without a temporary folder Qt cannot
    // begin the job.
    void failedPrintSaysWhy_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("no default printer") << "LPDEST=KwindelNoSuchQueue" << "Er is geen standaardprinter ingesteld. Het resultaat is niet afgedrukt.";
        QTest::newRow("print service unreachable") << "unreachable" << "De afdrukservice is niet bereikbaar. Het resultaat is niet afgedrukt.";
        QTest::newRow("queue refuses jobs") << "refusing" << "Afdrukken op printer \"%1\" is mislukt. Het resultaat is niet afgedrukt.\nDe printer neemt nu geen afdruktaken aan.";
        QTest::newRow("no room to spool") << "TMPDIR=/nonexistent" << "Afdrukken op printer \"%1\" is mislukt. Het resultaat is niet afgedrukt.";
    }
    void failedPrintSaysWhy()
    {
        QFETCH(QString, fault);
        if (fault.contains(u'='))
            qputenv(qPrintable(fault.section(u'=', 0, 0)), fault.section(u'=', 1).toLocal8Bit());
        if (fault == "unreachable")
            cupsSetServer("127.0.0.1:9");
        if (fault == "refusing")
            QVERIFY(run("cupsreject", {m_queue}));
        const auto undo = qScopeGuard([this] {
            qputenv("LPDEST", m_queue.toLocal8Bit());
            cupsSetServer(nullptr);
            qunsetenv("TMPDIR");
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

QTEST_MAIN(OutputTest)
#include "tst_output.moc"
