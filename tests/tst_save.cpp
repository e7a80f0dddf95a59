#include "kwindeltest.h"

// "Opslaan in een bestand" through the real main window: the page as bytes
// and as a browser reads it, handed to the desktop's opener, and what a
// failing save leaves behind.
class SaveTest : public QObject
{
    Q_OBJECT
    const QString m_folder = QCoreApplication::applicationDirPath();
    const QString m_page = m_folder + QStringLiteral("/Kwindel.htm");

private slots:
    void init()
    {
        QFile::remove(m_page);
        forgetOpened();
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

    void failedSaveKeepsEarlierPageAndAnswers_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << "folder" << "U hebt geen toestemming om in deze map te schrijven.";
        QTest::newRow("read-only page") << "page" << "Het bestaande bestand is alleen-lezen.";
        QTest::newRow("full disk") << "full disk" << "De schijf is vol.";
        QTest::newRow("read-only disk") << "read-only disk" << "De schijf waarop de map staat, is alleen-lezen.";
    }
    void failedSaveKeepsEarlierPageAndAnswers()
    {
        if (!isRoot())
            QSKIP("needs root: permissions do not stop root, so the faults are made with chattr and mount");
        QFETCH(QString, fault);
        const bool disk = fault.endsWith("disk");
        QVERIFY(!disk || run("mount", {"-t", "tmpfs", "-o", "size=256k", "kwindel-test", m_folder}));
        const auto unmount = qScopeGuard([&] { disk && run("umount", {m_folder}); });

        Quiz quiz;
        answerAll(quiz, 1, "Sam", "Kim");
        click(quiz.form.get(), "cmdSave");
        const QByteArray before = readFile(m_page);
        control<QLineEdit>(quiz.form.get(), "txtNaam")->setText(QString(300000, u'x')); // more than the disk holds
        const QString locked = fault == "folder" ? m_folder : m_page;
        QVERIFY(disk || run("chattr", {"+i", locked}));
        if (fault == "full disk")
            run("sh", {"-c", "cat /dev/zero > " + m_folder + "/filler"}); // ends when the disk is full
        QVERIFY(fault != "read-only disk" || run("mount", {"-o", "remount,ro", m_folder}));
        click(quiz.form.get(), "cmdSave");
        run("chattr", {"-i", locked});
        disk && run("mount", {"-o", "remount,rw", m_folder}) && QFile::remove(m_folder + "/filler");

        QFETCH(QString, reason);
        QCOMPARE(quiz.messages, QStringList{"Het resultaat kon niet worden opgeslagen in\n" + m_page + "\n\n" + reason});
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
};

QTEST_MAIN(SaveTest)
#include "tst_save.moc"
