#pragma once

// What the tests share: the windows driven as a user drives them, what the
// program tells the user, a stand-in for the desktop's opener, the real
// tools the outputs are read back with, and the reference outputs.

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <optional>

class Form1;

// A control of a window by its object name; the test stops if it is missing.
template<typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    auto *widget = window->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// A mouse click where a user clicks: an option button on its caption, any
// other button in its middle.
void click(const QWidget *window, const QString &name);
void forward(const Form1 &form, int times = 1);

// The shown info window, if any; there is never more than one.
class frminfo;
frminfo *shownInfoWindow();
int shownWindowCount();

// Types text into a control key by key, letters beyond ASCII too.
void type(QWidget *control, const QString &text);

// A shown main window, as at start, whose messages are recorded.
struct Quiz {
    QStringList messages;
    std::unique_ptr<Form1> form;

    Quiz();
    ~Quiz();
    Q_DISABLE_COPY_MOVE(Quiz)
};

// An xdg-open first on PATH that records what it is asked to open. Qt
// keeps the opener it found first, so one serves a whole test program;
// taken away, the desktop finds no program to open anything with.
class StandInOpener
{
public:
    StandInOpener();
    Q_DISABLE_COPY_MOVE(StandInOpener)
    void setPresent(bool present);
    QStringList opened() const; // decoded targets, in order, since the last clear()
    void clear();

private:
    QTemporaryDir m_dir;
};

// Runs a tool to its end; nothing when it could not start or failed.
std::optional<QByteArray> run(const QString &program, const QStringList &arguments, int timeoutMs = 60000);
QByteArray readFile(const QString &path);
bool isRoot();

// Compares with a reference output under tests/golden/. With
// KWINDEL_REGENERATE=1 the output becomes the reference instead.
void compareGolden(const QByteArray &actual, const QString &name);
void compareGolden(const QImage &actual, const QString &name);
