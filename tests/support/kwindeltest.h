#pragma once

// What the tests share: the windows driven as a user drives them, what the
// program tells the user, a stand-in for the desktop's opener, the real
// tools the outputs are read back with, and the reference outputs.

#include "appidentity.h"
#include "form1.h"
#include "frminfo.h"
#include "messages.h"
#include "pixeltext.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <unistd.h>

// A control of a window by its object name; the test stops if it is missing.
template<typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    auto *widget = window->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// A mouse click in the control's middle.
inline void click(const QWidget *window, const QString &name)
{
    auto *button = control<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

inline void forward(const Form1 &form, int times = 1)
{
    for (int i = 0; i < times; ++i)
        click(&form, QStringLiteral("cmdPrevNext(0)"));
}

// A shown, active main window as at start, whose messages are recorded.
struct Quiz {
    QStringList messages;
    std::unique_ptr<Form1> form;
    Quiz()
    {
        applyApplicationIdentity();
        PixelText::installStyle();
        Messages::setRecorder([this](QWidget *, const QString &text) { messages << text; });
        form = std::make_unique<Form1>();
        form->show();
        form->activateWindow(); // no window manager does it
        if (!QTest::qWaitForWindowActive(form.get()))
            qFatal("main window not active");
    }
    ~Quiz() { Messages::setRecorder({}); }
    Q_DISABLE_COPY_MOVE(Quiz)
};

// Answers every page as a user does: choice k on each page (wrapping), none
// where k is -1, then the two names, entered as a paste enters them; ends
// on the output page.
inline void answerAll(const Quiz &quiz, int k, const QString &otherName, const QString &ownName)
{
    for (const auto &[name, count] : {std::pair{"optHkleur", 2}, {"optDFeest", 4}, {"optKleur", 4}, {"optHobby", 3},
                                      {"optWinkel", 2}, {"cmbStad", 3}, {"optStrand", 2}, {"cmbMonth", 12}, {"optThuis", 2}}) {
        const bool list = name[0] == 'c';
        if (k >= 0 && !list)
            click(quiz.form.get(), QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(k % count));
        for (int i = 0; k >= 0 && list && i < k % count; ++i)
            QTest::keyClick(control(quiz.form.get(), QLatin1String(name)), Qt::Key_Down);
        forward(*quiz.form);
    }
    for (const auto &[box, name] : {std::pair{"txtAGeslacht", otherName}, {"txtNaam", ownName}}) {
        control<QLineEdit>(quiz.form.get(), QLatin1String(box))->insert(name);
        forward(*quiz.form);
    }
}

inline frminfo *shownInfoWindow() // never more than one
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *info = qobject_cast<frminfo *>(window); info && info->isVisible())
            return info;
    return nullptr;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The stand-in xdg-open, first on PATH before the application starts (Qt
// keeps the opener it found first). Taken away, the desktop finds no
// program to open anything with.
inline const QTemporaryDir openerDir;
inline bool setOpenerPresent(bool present)
{
    const QString opener = openerDir.filePath(QStringLiteral("xdg-open"));
    return present ? QFile::copy(QStringLiteral(KWINDEL_SOURCE_DIR "/tests/support/bin/xdg-open"), opener) : QFile::remove(opener);
}
inline const bool standInOnPath = [] {
    qputenv("PATH", openerDir.path().toLocal8Bit() + ':' + qgetenv("PATH"));
    qputenv("KWINDEL_OPENED", openerDir.filePath(QStringLiteral("opened")).toLocal8Bit());
    return setOpenerPresent(true);
}();

// What the opener was asked to open, decoded.
inline QStringList opened()
{
    return QUrl::fromPercentEncoding(readFile(qEnvironmentVariable("KWINDEL_OPENED"))).split(u'\n', Qt::SkipEmptyParts);
}
inline void forgetOpened() { QFile::remove(qEnvironmentVariable("KWINDEL_OPENED")); }

// Runs a tool to its end; nothing when it could not start or failed.
inline std::optional<QByteArray> run(const QString &program, const QStringList &arguments, int timeoutMs = 60000)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

inline bool isRoot() { return geteuid() == 0; }

// Compares with a reference output in tests/golden/. With
// KWINDEL_REGENERATE=1 the output becomes the reference instead.
inline void compareGolden(const QByteArray &actual, const QString &name)
{
    const QString reference = QStringLiteral(KWINDEL_SOURCE_DIR "/tests/golden/") + name;
    QFile file(qEnvironmentVariableIntValue("KWINDEL_REGENERATE") ? reference : QDir::temp().filePath(name));
    if (actual != readFile(reference) && file.open(QIODevice::WriteOnly)) {
        file.write(actual);
        file.close();
    }
    QVERIFY2(actual == readFile(reference), qPrintable(QStringLiteral("%1 differs from its reference: see %2").arg(name, file.fileName())));
}

// An image compared pixel by pixel: on a difference the actual image and
// one of the differing pixels (red, on the reference made pale) are written
// beside each other.
inline void compareGolden(const QImage &actualImage, const QString &name)
{
    const QString reference = QStringLiteral(KWINDEL_SOURCE_DIR "/tests/golden/") + name;
    const QImage actual = actualImage.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("KWINDEL_REGENERATE")) {
        QVERIFY(actual.save(reference, "PNG"));
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(QStringLiteral("no reference %1").arg(reference)));
    QVERIFY2(actual.size() == expected.size(), qPrintable(QStringLiteral("%1: %2x%3, its reference %4x%5").arg(name)
                                                              .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height())));
    QImage diff = expected;
    QPainter(&diff).fillRect(diff.rect(), QColor(255, 255, 255, 200)); // the reference made pale
    qsizetype differing = 0;
    QPoint first;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                first = differing++ ? first : QPoint(x, y);
                diff.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }
    if (differing == 0)
        return;
    const QString written = QDir::temp().filePath(name);
    actual.save(written, "PNG");
    diff.save(QDir::temp().filePath(QStringLiteral("diff-") + name), "PNG");
    QFAIL(qPrintable(QStringLiteral("%1: %2 pixels differ from its reference, the first at %3,%4; see %5 and diff-%1 beside it")
                         .arg(name).arg(differing).arg(first.x()).arg(first.y()).arg(written)));
}
