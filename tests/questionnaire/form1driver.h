#pragma once

// Drives the main window the way a user does, through its controls.

#include "appidentity.h"
#include "form1.h"
#include "messages.h"

#include <QAbstractButton>
#include <QStringList>
#include <QTest>

#include <memory>

template<typename T = QWidget>
T *control(const QWidget &form, const QString &name)
{
    auto *widget = form.findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// Option buttons react only on their circle and caption, so they are
// clicked near their left edge; buttons in their middle.
inline void click(const QWidget &form, const QString &name)
{
    auto *button = control<QAbstractButton>(form, name);
    const bool option = button->inherits("QRadioButton");
    const QPoint at = option ? QPoint(8, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

inline void forward(const QWidget &form, int times = 1)
{
    for (int i = 0; i < times; ++i)
        click(form, QStringLiteral("cmdPrevNext(0)"));
}

// A shown main window whose message boxes are recorded instead of shown.
struct Form1Fixture {
    QStringList messages;
    std::unique_ptr<Form1> form;

    Form1Fixture()
    {
        applyApplicationIdentity();
        Messages::setRecorder([this](QWidget *, const QString &text) { messages << text; });
        form = std::make_unique<Form1>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("main window not exposed");
    }
    ~Form1Fixture() { Messages::setRecorder({}); }
    Q_DISABLE_COPY_MOVE(Form1Fixture)
};
