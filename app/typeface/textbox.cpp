#include "textbox.h"

#include "uifonts.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    m_blink.callOnTimeout(this, [this] {
        m_caretShown = !m_caretShown;
        update();
    });
    connect(this, &QLineEdit::cursorPositionChanged, this, &TextBox::showCaret);
    connect(this, &QLineEdit::selectionChanged, this, &TextBox::showCaret);
    connect(this, &QLineEdit::textChanged, this, &TextBox::showCaret);
}

bool TextBox::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
        followScale();
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        showCaret();
        break;
    default:
        break;
    }
    return QLineEdit::event(event);
}

// Qt lays the text out in this font, for clicks and words; it is drawn in
// the same face in device pixels.
void TextBox::followScale()
{
    const qreal scale = devicePixelRatioF();
    const QFont font = scale == 1.0 ? UiFonts::msSansSerif(pointSize) : UiFonts::outlineFont(pointSize, scale);
    if (this->font() != font)
        setFont(font);
}

void TextBox::showCaret()
{
    m_caretShown = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2);
    else
        m_blink.stop();
    update();
}

QList<int> TextBox::positions(const QRawFont &face) const
{
    // Letters set one after the other, left to right; any other script is
    // shaped by Qt.
    const QString text = displayText();
    const auto plain = [](QChar c) {
        return c.isSurrogate() || (c.category() > QChar::Mark_Enclosing && c.direction() == QChar::DirL)
               || (c.script() == QChar::Script_Common && c.direction() != QChar::DirR && c.direction() != QChar::DirAL);
    };
    const QList<quint32> glyphs = face.glyphIndexesForString(text);
    if (glyphs.contains(0u) || !std::ranges::all_of(text, plain))
        return {};
    const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs, UiFonts::advancesOf(face));
    QList<int> starts;
    double x = 0;
    for (qsizetype i = 0, glyph = 0; i < text.size(); ++i) {
        starts << static_cast<int>(std::round(x));
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            starts << starts.last(); // one letter, two positions
            ++i;
        }
        x += advances.value(glyph++).x();
    }
    starts << static_cast<int>(std::round(x));
    return starts;
}

std::pair<QRawFont, QList<int>> TextBox::arranged() const
{
    const qreal scale = devicePixelRatioF();
    if (scale == 1.0)
        return {};
    for (const QRawFont &face : {UiFonts::interfaceFace(pointSize, scale), UiFonts::outlineFace(pointSize, scale)}) {
        if (QList<int> starts = positions(face); !starts.isEmpty())
            return {face, starts};
    }
    return {};
}

// Where Qt puts the text: inside the frame, the margins and two pixels.
QRect TextBox::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins())
        .adjusted(2, 1, -2, -1);
}

void TextBox::paintEvent(QPaintEvent *event)
{
    const auto [face, starts] = arranged();
    if (starts.isEmpty()) // Qt finds a face for every letter
        return QLineEdit::paintEvent(event);
    const qreal scale = devicePixelRatioF();

    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    const QRect box = toDevice.mapRect(QRectF(textArea())).toAlignedRect();
    painter.setClipRect(box);
    const int caret = starts.value(cursorPosition());
    m_scroll = std::clamp(m_scroll, caret - std::max(1, box.width()) + 1, caret);
    m_scroll = std::clamp(m_scroll, 0, std::max(0, starts.last() - box.width() + 1));
    const int lineHeight = static_cast<int>(std::round(face.ascent() + face.descent()));
    const int top = box.top() + (box.height() - lineHeight) / 2;
    const QPointF baseline(box.left() - m_scroll, top + std::round(face.ascent()));

    QGlyphRun run;
    run.setRawFont(face);
    run.setGlyphIndexes(face.glyphIndexesForString(displayText()));
    QList<QPointF> at;
    for (qsizetype i = 0; i + 1 < starts.size(); ++i)
        if (!displayText()[i].isLowSurrogate())
            at << QPointF(starts[i], 0);
    run.setPositions(at);
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    painter.setPen(palette().color(isEnabled() ? group : QPalette::Disabled, QPalette::Text));
    painter.drawGlyphRun(baseline, run);
    if (hasSelectedText()) {
        const int from = starts.value(selectionStart()), to = starts.value(selectionEnd());
        const QRect selected(static_cast<int>(baseline.x()) + from, top, to - from, lineHeight);
        painter.fillRect(selected, palette().brush(group, QPalette::Highlight));
        painter.setClipRect(selected & box);
        painter.setPen(palette().color(group, QPalette::HighlightedText));
        painter.drawGlyphRun(baseline, run);
    } else if (hasFocus() && m_caretShown) {
        painter.fillRect(QRect(static_cast<int>(baseline.x()) + caret, top, std::max(1, qRound(scale)), lineHeight),
                         palette().color(group, QPalette::Text));
    }
}

// The position nearest to x in the widget, by the letters as drawn here.
int TextBox::positionAt(double x, const QList<int> &starts) const
{
    const QString text = displayText();
    const double from = (x - textArea().left()) * devicePixelRatioF() + m_scroll;
    qsizetype nearest = 0;
    for (qsizetype i = 1; i < starts.size(); ++i) // not between the halves of a letter
        if (std::abs(starts[i] - from) < std::abs(starts[nearest] - from) && (i == text.size() || !text[i].isLowSurrogate()))
            nearest = i;
    return static_cast<int>(nearest);
}

// A click puts the caret, and a drag the selection's end, between the
// letters as drawn here.
void TextBox::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    m_anchor = -1;
    const QList<int> starts = arranged().second;
    if (starts.isEmpty() || event->button() != Qt::LeftButton || event->modifiers() & Qt::ShiftModifier)
        return;
    m_anchor = positionAt(event->position().x(), starts);
    setCursorPosition(m_anchor);
}

void TextBox::mouseMoveEvent(QMouseEvent *event)
{
    QLineEdit::mouseMoveEvent(event);
    const QList<int> starts = arranged().second;
    if (!starts.isEmpty() && event->buttons() & Qt::LeftButton && m_anchor >= 0)
        setSelection(m_anchor, positionAt(event->position().x(), starts) - m_anchor);
}

// A double click's drag goes by words, as Qt has it.
void TextBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_anchor = -1;
    QLineEdit::mouseDoubleClickEvent(event);
}
