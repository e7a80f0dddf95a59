#include "form1.h"
#include "kwindeltest.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

// "Opslaan in een bestand" through the real main window: the page as bytes
// and as a browser reads it, handed to the desktop's opener, and what a
// failing save leaves behind.
class SaveTest : public QObject
{
    Q_OBJECT

    const QString m_folder = QCoreApplication::applicationDirPath();
    const QString m_page = m_folder + QStringLiteral("/Kwindel.htm");

    // Answers every page the way a user does: choice `k` on each page
    // (wrapping), or no choice at all where k is -1, and the two names.
    static void answer(const Quiz &quiz, int k, const QString &other, const QString &own)
    {
        const Form1 &form = *quiz.form;
        const auto option = [&](const char *name, int count) {
            if (k >= 0)
                click(&form, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(k % count));
            forward(form);
        };
        const auto pick = [&](const char *name, int count) {
            for (int i = 0; k >= 0 && i < k % count; ++i)
                QTest::keyClick(control(&form, QLatin1String(name)), Qt::Key_Down);
            forward(form);
        };
        option("optHkleur", 2);
        option("optDFeest", 4);
        option("optKleur", 4);
        option("optHobby", 3);
        option("optWinkel", 2);
        pick("cmbStad", 3);
        option("optStrand", 2);
        pick("cmbMonth", 12);
        option("optThuis", 2);
        type(control(&form, "txtAGeslacht"), other);
        forward(form);
        type(control(&form, "txtNaam"), own);
        forward(form);
    }

    static QString chromium(const QString &page)
    {
        QTemporaryDir profile;
        return QString::fromUtf8(run("chromium", {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                                                  "--disable-background-networking", "--disable-component-update",
                                                  "--disable-sync", "--user-data-dir=" + profile.path(), "--dump-dom",
                                                  "file://" + page}, 120000).value_or(QByteArray()));
    }

    // As root a file or folder is made immutable: permissions do not stop root.
    static auto immutable(const QString &path)
    {
        const bool done = run("chattr", {"+i", path}).has_value();
        return qScopeGuard([=] {
            if (done)
                run("chattr", {"-i", path});
        });
    }

private slots:
    void init()
    {
        QFile::remove(m_page);
        forgetOpened();
    }

    // Thirteen users, between them every choice on every page, and names
    // with markup and letters beyond ASCII; their pages one after another.
    void everyAnswerReachesThePage()
    {
        const QStringList others{"de buurjongen", "Zoë", "<b>Tom</b> & Jerry", "Łódź", "😀", "", "Ærø", "x", "Noël",
                                 "René Müller", "a&amp;b", "Chloë", ""};
        QByteArray pages;
        for (int k = 0; k < 13; ++k) {
            forgetOpened();
            Quiz quiz;
            answer(quiz, k < 12 ? k : -1, others[k], others[12 - k]);
            click(quiz.form.get(), "cmdSave");
            QTRY_COMPARE(opened(), QStringList{"file://" + m_page});
            pages += readFile(m_page);
        }
        compareGolden(pages, "saved-pages.htm");
    }

    void browserShowsNamesAsTyped()
    {
        Quiz quiz;
        const QString own = "Zoë, Noël, Chloë, Łódź, René Müller, Ærø";
        answer(quiz, 0, "Zoë 😀", own);
        click(quiz.form.get(), "cmdSave");
        const QString dom = chromium(m_page);
        QVERIFY2(dom.contains("<font color=\"red\" size=\"10\">" + own + "</font>"), qPrintable(dom));
        QVERIFY(dom.contains("Zoë 😀 zal verliefd op je worden zoals je bent!!!!!"));
    }

    void failedSaveKeepsEarlierPageAndAnswers_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << "folder" << "U hebt geen toestemming om in deze map te schrijven.";
        QTest::newRow("read-only page") << "page" << "Het bestaande bestand is alleen-lezen.";
        QTest::newRow("full disk") << "disk" << "De schijf is vol.";
        QTest::newRow("read-only disk") << "read-only disk" << "De schijf waarop de map staat, is alleen-lezen.";
    }
    void failedSaveKeepsEarlierPageAndAnswers()
    {
        if (!isRoot())
            QSKIP("needs root: permissions do not stop root, so the faults are made with chattr and mount");
        QFETCH(QString, fault);
        const bool onTmpfs = fault.contains("disk");
        if (onTmpfs)
            QVERIFY(run("mount", {"-t", "tmpfs", "-o", "size=256k", "kwindel-test", m_folder}));
        const auto unmount = qScopeGuard([&] {
            if (onTmpfs)
                run("umount", {m_folder});
        });

        Quiz quiz;
        answer(quiz, 1, "Sam", "Kim");
        click(quiz.form.get(), "cmdSave");
        const QByteArray before = readFile(m_page);
        control<QLineEdit>(quiz.form.get(), "txtNaam")->setText(QString(300000, u'x')); // more than the disk holds
        {
            const auto folderLock = immutable(fault == "folder" ? m_folder : QString());
            const auto pageLock = immutable(fault == "page" ? m_page : QString());
            if (fault == "disk")
                run("sh", {"-c", "cat /dev/zero > '" + m_folder + "/filler'"}); // fails once the disk is full
            if (fault == "read-only disk")
                QVERIFY(run("mount", {"-o", "remount,ro", m_folder}));
            click(quiz.form.get(), "cmdSave");
        }
        QFETCH(QString, reason);
        QCOMPARE(quiz.messages, QStringList{"Het resultaat kon niet worden opgeslagen in\n" + m_page + "\n\n" + reason});
        QTRY_COMPARE(opened().size(), 1);
        QCOMPARE(readFile(m_page), before);

        if (fault.contains("disk"))
            run("mount", {"-o", "remount,rw", m_folder}) && QFile::remove(m_folder + "/filler");
        control<QLineEdit>(quiz.form.get(), "txtNaam")->setText("Kim");
        click(quiz.form.get(), "cmdSave");
        QCOMPARE(readFile(m_page), before);
        QTRY_COMPARE(opened().size(), 2);
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
