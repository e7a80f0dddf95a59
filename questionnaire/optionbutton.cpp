#include "optionbutton.h"

#include "pixeltext.h"

#include <cmath>

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {
constexpr int indicatorSize = 13;
constexpr int captionGap = 1; // with the letter's own bearing, as Windows leaves it
constexpr int captionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
} // namespace

OptionButton::OptionButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
}

void OptionButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = QRect(0, (height() - indicatorSize) / 2, indicatorSize, indicatorSize);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    const QRect captionRect = rect().adjusted(indicatorSize + captionGap, 0, 0, 0);
    painter.drawItemText(captionRect, captionFlags, palette(), isEnabled(), text(), QPalette::WindowText);

    if (hasFocus())
        drawFocusRect(painter, captionRect);
}

void OptionButton::drawFocusRect(QStylePainter &painter, const QRect &captionRect) const
{
    // Round the caption's lines as they are drawn, a pixel clear of them but
    // not into the circle, on whole device pixels (scaled, the style's dotted
    // lines fell between pixels, onto the first and last letters), inside
    // what shows of the button. Windows' engine gives MS Sans Serif's lines
    // a pixel short of their last letter ("Eten"'s "n"); a tail on a line's
    // last row ("Uitgaan") needs the row below.
    const QTransform toDevice = painter.deviceTransform();
    const QRect lines = PixelText::draws(&painter)
                            ? PixelText::deviceRect(&painter, captionRect, captionFlags, text())
                            : toDevice.mapRect(painter.fontMetrics().boundingRect(captionRect, captionFlags, text())).adjusted(0, 0, 1, 0);
    const int pastCircle = static_cast<int>(std::ceil(toDevice.map(QPointF(indicatorSize, 0)).x()));
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = lines.adjusted(0, 0, 1, 1);
    focus.rect.setLeft(std::max(lines.left() - 1, pastCircle));
    focus.rect &= toDevice.mapRect(QRectF(visibleRegion().boundingRect())).toRect();
    painter.save();
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    painter.restore();
}

void OptionButton::widenToCaption()
{
    // The focus rectangle's line needs a pixel past the last letter: where a
    // caption filled its width ("Donker" on Windows), the line hid the "r".
    const int captionWidth = width() - indicatorSize - captionGap;
    const int needed = PixelText::size(font(), text(), captionWidth).width() + 1;
    if (needed > captionWidth)
        resize(width() + needed - captionWidth, height());
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
