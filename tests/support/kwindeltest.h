#pragma once

// What the tests share: the windows driven as a user drives them, what the
// program tells the user, a stand-in for the desktop's opener, the real
// tools the outputs are read back with, and the reference outputs.

// What most tests use comes with this header.
#include "form1.h"
#include "frminfo.h"

#include <QApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

// A control of a window by its object name; the test stops if it is missing.
template<typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    auto *widget = window->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// A mouse click in the control's middle; keys typed one by one, letters
// beyond ASCII too.
void click(const QWidget *window, const QString &name);
void forward(const Form1 &form, int times = 1);
void type(QWidget *control, const QString &text);

// A shown, active main window as at start, whose messages are recorded.
struct Quiz {
    QStringList messages;
    std::unique_ptr<Form1> form;
    Quiz();
    ~Quiz();
    Q_DISABLE_COPY_MOVE(Quiz)
};

// Answers every page as a user does: choice k on each page (wrapping), none
// where k is -1, then the two names; ends on the output page.
void answerAll(const Quiz &quiz, int k, const QString &otherName, const QString &ownName);

frminfo *shownInfoWindow(); // never more than one
int shownWindowCount();

// The stand-in xdg-open first on PATH for the whole test program (Qt keeps
// the opener it found first); what it was asked to open, decoded.
// Taken away, the desktop finds no program to open anything with.
QStringList opened();
void forgetOpened();
void setOpenerPresent(bool present);

// Runs a tool to its end; nothing when it could not start or failed.
std::optional<QByteArray> run(const QString &program, const QStringList &arguments, int timeoutMs = 60000);
QByteArray readFile(const QString &path);
bool isRoot();

// Compares with a reference output in tests/golden/. With
// KWINDEL_REGENERATE=1 the output becomes the reference instead.
void compareGolden(const QByteArray &actual, const QString &name);
void compareGolden(const QImage &actual, const QString &name);
