#include "optionbutton.h"

#include "pixeltext.h"

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

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        // Around the caption's lines as they are drawn, and inside what shows
        // of the button, so that none of its edges is lost.
        // Scaled, a pixel to the left would touch the circle.
        const QRect caption = PixelText::draws(&painter)
                                  ? PixelText::boundingRect(&painter, captionRect, captionFlags, text()).adjusted(1, 0, 0, 0)
                                  : painter.fontMetrics().boundingRect(captionRect, captionFlags, text());
        focus.rect = caption.adjusted(-1, 0, 1, 0).intersected(visibleRegion().boundingRect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void OptionButton::widenToCaption()
{
    const int captionWidth = width() - indicatorSize - captionGap;
    const int widest = PixelText::size(font(), text(), captionWidth).width();
    if (widest > captionWidth)
        resize(width() + widest - captionWidth, height());
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
