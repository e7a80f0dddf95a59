#pragma once

// Opens the info window the way "About..." does and finds its controls.

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
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<frminfo *>(widget); window && window->isVisible())
            found << window;
    return found;
}

inline frminfo *openInfo()
{
    openInfoWindow();
    if (infoWindows().size() != 1 || !QTest::qWaitForWindowActive(infoWindows().first()))
        qFatal("info window did not open");
    return infoWindows().first();
}

// Closes every window and lets the closed ones be deleted.
inline void closeAll()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
