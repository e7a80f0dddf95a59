#include "classicframe.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleFactory>

void useClassicFrame(QGroupBox *frame)
{
    // One style object for every frame, kept for the program's life.
    static QStyle *const style = QStyleFactory::create(QStringLiteral("Windows"));
    if (style)
        frame->setStyle(style);
}
