#include "kwindeltest.h"

#include "appidentity.h"
#include "form1.h"
#include "frminfo.h"
#include "messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <QUrl>

#include <unistd.h>

namespace {

// A copy that can be taken away; on PATH before the application starts.
const QTemporaryDir openerDir;
const QString openedLog = openerDir.filePath(QStringLiteral("opened"));
const bool standInOnPath = [] {
    qputenv("PATH", openerDir.path().toLocal8Bit() + ':' + qgetenv("PATH"));
    qputenv("KWINDEL_OPENED", openedLog.toLocal8Bit());
    return QFile::copy(QStringLiteral(KWINDEL_SOURCE_DIR "/tests/support/bin/xdg-open"), openerDir.filePath(QStringLiteral("xdg-open")));
}();

} // namespace

void click(const QWidget *window, const QString &name)
{
    auto *button = control<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void forward(const Form1 &form, int times)
{
    for (int i = 0; i < times; ++i)
        click(&form, QStringLiteral("cmdPrevNext(0)"));
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

void answerAll(const Quiz &quiz, int k, const QString &otherName, const QString &ownName)
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
    type(control(quiz.form.get(), QStringLiteral("txtAGeslacht")), otherName);
    forward(*quiz.form);
    type(control(quiz.form.get(), QStringLiteral("txtNaam")), ownName);
    forward(*quiz.form);
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

QStringList opened()
{
    Q_UNUSED(standInOnPath);
    return QUrl::fromPercentEncoding(readFile(openedLog)).split(u'\n', Qt::SkipEmptyParts);
}

void forgetOpened()
{
    QFile::remove(openedLog);
}

void setOpenerPresent(bool present)
{
    const QString opener = openerDir.filePath(QStringLiteral("xdg-open"));
    present ? QFile::copy(QStringLiteral(KWINDEL_SOURCE_DIR "/tests/support/bin/xdg-open"), opener) : QFile::remove(opener);
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

void compareGolden(const QByteArray &actual, const QString &name)
{
    const QString reference = QStringLiteral(KWINDEL_SOURCE_DIR "/tests/golden/") + name;
    QFile file(qEnvironmentVariableIntValue("KWINDEL_REGENERATE") ? reference : QDir::temp().filePath(name));
    if (actual != readFile(reference) && file.open(QIODevice::WriteOnly)) {
        file.write(actual);
        file.close();
    }
    QVERIFY2(actual == readFile(reference), qPrintable(QStringLiteral("%1 differs from its reference: see %2").arg(name, file.fileName())));
}

void compareGolden(const QImage &actual, const QString &name)
{
    QBuffer png; // the same image encodes to the same bytes
    png.open(QIODevice::WriteOnly);
    actual.convertToFormat(QImage::Format_RGB32).save(&png, "PNG");
    compareGolden(png.data(), name);
}
