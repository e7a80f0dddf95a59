#include "kwindeltest.h"

#include "appidentity.h"
#include "form1.h"
#include "frminfo.h"
#include "messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QUrl>

#include <unistd.h>

void click(const QWidget *window, const QString &name)
{
    auto *button = control<QAbstractButton>(window, name);
    const bool option = button->inherits("QRadioButton");
    QTest::mouseClick(button, Qt::LeftButton, {}, option ? QPoint(20, button->height() / 2) : button->rect().center());
}

void forward(const Form1 &form, int times)
{
    for (int i = 0; i < times; ++i)
        click(&form, QStringLiteral("cmdPrevNext(0)"));
}

frminfo *shownInfoWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *info = qobject_cast<frminfo *>(window); info && info->isVisible())
            return info;
    return nullptr;
}

int shownWindowCount()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); }));
}

void type(QWidget *control, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

Quiz::Quiz()
{
    applyApplicationIdentity();
    Messages::setRecorder([this](QWidget *, const QString &text) { messages << text; });
    form = std::make_unique<Form1>();
    form->show();
    form->activateWindow(); // no window manager does it
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("main window not active");
}

Quiz::~Quiz()
{
    Messages::setRecorder({});
}

StandInOpener::StandInOpener()
{
    qputenv("PATH", m_dir.path().toUtf8() + ':' + qgetenv("PATH"));
    setPresent(true);
}

void StandInOpener::setPresent(bool present)
{
    QFile script(m_dir.filePath(QStringLiteral("xdg-open")));
    if (!present) {
        script.remove();
        return;
    }
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened\"\n");
    script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
}

void StandInOpener::clear()
{
    QFile::remove(m_dir.filePath(QStringLiteral("opened")));
}

QStringList StandInOpener::opened() const
{
    QStringList targets;
    for (const QByteArray &line : readFile(m_dir.filePath(QStringLiteral("opened"))).split('\n'))
        if (!line.isEmpty())
            targets << QUrl::fromPercentEncoding(line);
    return targets;
}

std::optional<QByteArray> run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isRoot()
{
    return geteuid() == 0;
}

namespace {

QString goldenPath(const QString &name)
{
    return QStringLiteral(KWINDEL_SOURCE_DIR "/tests/golden/") + name;
}

bool regenerating()
{
    return qEnvironmentVariableIntValue("KWINDEL_REGENERATE") == 1;
}

} // namespace

void compareGolden(const QByteArray &actual, const QString &name)
{
    if (regenerating()) {
        QFile file(goldenPath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(actual);
        return;
    }
    const QByteArray expected = readFile(goldenPath(name));
    QVERIFY2(!expected.isEmpty(), qPrintable(QStringLiteral("no reference %1").arg(name)));
    // Line by line, so a failure names the first line that differs.
    const QList<QByteArray> actualLines = actual.split('\n');
    const QList<QByteArray> expectedLines = expected.split('\n');
    for (qsizetype i = 0; i < qMin(actualLines.size(), expectedLines.size()); ++i)
        QVERIFY2(actualLines[i] == expectedLines[i],
                 qPrintable(QStringLiteral("%1 line %2:\n  got      %3\n  expected %4")
                                .arg(name).arg(i + 1).arg(QString::fromLatin1(actualLines[i]), QString::fromLatin1(expectedLines[i]))));
    QCOMPARE(actualLines.size(), expectedLines.size());
}

void compareGolden(const QImage &actual, const QString &name)
{
    const QImage image = actual.convertToFormat(QImage::Format_RGB32);
    if (regenerating()) {
        QVERIFY(image.save(goldenPath(name)));
        return;
    }
    const QImage expected = QImage(goldenPath(name)).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(QStringLiteral("no reference %1").arg(name)));
    if (image != expected) {
        image.save(QDir::temp().filePath(name));
        QFAIL(qPrintable(QStringLiteral("%1 differs from its reference; the actual image is in %2")
                             .arg(name, QDir::temp().filePath(name))));
    }
}
