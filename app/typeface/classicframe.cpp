#include "classicframe.h"

#include "pixeltext.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleFactory>

void useClassicFrame(QGroupBox *frame)
{
    // One style object for every frame, kept for the program's life.
    static QStyle *const windows = QStyleFactory::create(QStringLiteral("Windows"));
    static QStyle *const style = windows ? new PixelTextStyle(windows) : nullptr;
    if (style)
        frame->setStyle(style);
}
