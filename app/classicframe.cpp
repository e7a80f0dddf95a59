#include "classicframe.h"

#include <QApplication>
#include <QGroupBox>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

void useClassicFrame(QGroupBox *frame)
{
    // One style object for every frame; the application owns it.
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (!style)
            return;
        style->setParent(qApp);
    }
    frame->setStyle(style);
}
