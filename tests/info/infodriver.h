#pragma once

// Opens the info window the way the "About..." button does and finds its
// controls by name.

#include "frminfo.h"
#include "infowindow.h"

#include <QApplication>
#include <QTest>

template <typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    auto *widget = window->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

inline QList<frminfo *> infoWindows()
{
    QList<frminfo *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<frminfo *>(widget); window && window->isVisible())
            found << window;
    }
    return found;
}

inline frminfo *openInfo()
{
    openInfoWindow();
    const auto windows = infoWindows();
    if (windows.size() != 1 || !QTest::qWaitForWindowActive(windows.first()))
        qFatal("info window did not open");
    return windows.first();
}

// Closes every window and lets the closed ones be deleted.
inline void closeAll()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
