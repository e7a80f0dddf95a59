#pragma once

#include <QProxyStyle>
#include <QStyledItemDelegate>

// Interface texts drawn on whole device pixels in the face UiFonts chooses
// for the screen's scale, so letters stay crisp and evenly spaced where Qt
// would scale glyphs drawn for another size. Lines break where the face of
// scale 1 breaks them, so every scale shows the designed lines.
namespace PixelText {

// The size a text takes at scale 1, in pixels; wrapped at width when it is
// above 0.
QSize size(const QFont &font, const QString &text, int width = 0);

// The size one line takes as draw() sets it at this scale, in pixels of
// scale 1, rounded up; the access key's "&" takes none.
QSize lineSize(const QFont &font, const QString &line, qreal scale);

// Whether the painter's texts are drawn here.
bool draws(const QPainter *painter);

// Draws as QStyle::drawItemText does, in the painter's pen; false, drawing
// nothing, where the font is not the interface face.
bool draw(QPainter *painter, const QRect &rect, int flags, const QString &text);

// Where draw() puts the text's lines, in device pixels; only where draws()
// holds.
QRect deviceRect(const QPainter *painter, const QRect &rect, int flags, const QString &text);

} // namespace PixelText

// A style whose item texts in the interface face are drawn by PixelText.
class PixelTextStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit PixelTextStyle(QStyle *base = nullptr);
    Q_DISABLE_COPY_MOVE(PixelTextStyle)

    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

// A list's items drawn as item texts, so PixelTextStyle draws them.
class PixelTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    Q_DISABLE_COPY_MOVE(PixelTextDelegate)

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

namespace PixelText {
// Makes PixelTextStyle the application's style and the interface face its
// font, so every window and box draws in it from its start: called once,
// where the program starts (and the tests' fixture).
void installStyle();
} // namespace PixelText
