#include "textbox.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QTextCharFormat>

#include <algorithm>
#include <cmath>

namespace {

// Letters set one after the other, left to right; any other script is
// shaped by Qt.
bool isPlain(const QString &text)
{
    return std::ranges::all_of(text, [](QChar c) {
        return c.isSurrogate() || (c.category() > QChar::Mark_Enclosing && c.direction() == QChar::DirL)
               || (c.script() == QChar::Script_Common && c.direction() != QChar::DirR && c.direction() != QChar::DirAL);
    });
}

Qt::PenStyle penFor(QTextCharFormat::UnderlineStyle style)
{
    switch (style) {
    case QTextCharFormat::DashUnderline:
        return Qt::DashLine;
    case QTextCharFormat::DotLine:
        return Qt::DotLine;
    case QTextCharFormat::DashDotLine:
        return Qt::DashDotLine;
    case QTextCharFormat::DashDotDotLine:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

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

// Qt lays the text out in this font, near the letters as drawn here; Qt
// draws it there too, for a name that is not plain.
void TextBox::followScale()
{
    const qreal scale = devicePixelRatioF();
    const QFont font = scale == 1.0 ? UiFonts::msSansSerif() : Face::outlineOf(UiFonts::msSansSerif(), scale).logicalFont(scale);
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

TextBox::Line TextBox::arranged() const
{
    const qreal scale = devicePixelRatioF();
    if (scale == 1.0)
        return {};
    Line line;
    line.composedAt = cursorPosition();
    line.text = displayText().insert(line.composedAt, m_composing);
    if (!isPlain(line.text))
        return {};
    const QFont design = UiFonts::msSansSerif();
    for (const Face &face : {Face::of(design, scale), Face::outlineOf(design, scale)}) {
        if (face.hasAll(line.text)) {
            line.face = face;
            line.starts = face.starts(line.text);
            return line;
        }
    }
    return {};
}

int TextBox::shownPosition(int position) const
{
    return position >= cursorPosition() ? position + static_cast<int>(m_composing.size()) : position;
}

// Where Qt puts the text: inside the frame, the margins and two pixels.
QRect TextBox::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins())
        .adjusted(2, 1, -2, -1);
}

// Where the caret is in the line shown: in a composition where the input
// method puts it, after it otherwise, as Qt has it; -1 where it hides it.
int TextBox::caretIn(const Line &line) const
{
    int caret = line.composedAt + static_cast<int>(m_composing.size());
    for (const QInputMethodEvent::Attribute &attribute : m_composingAttributes)
        if (attribute.type == QInputMethodEvent::Cursor)
            caret = attribute.length == 0 ? -1 : line.composedAt + attribute.start;
    return caret;
}

// The caret in the text area box, both in device pixels.
QRect TextBox::caretRect(const Line &line, const QRect &box) const
{
    const int top = box.top() + (box.height() - line.face.lineHeight()) / 2;
    return {box.left() - m_scroll + line.starts.value(std::max(0, caretIn(line))), top, std::max(1, qRound(devicePixelRatioF())),
            line.face.lineHeight()};
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // The input method places its window at the caret as drawn.
    const Line line = query == Qt::ImCursorRectangle ? arranged() : Line();
    if (line.starts.isEmpty())
        return QLineEdit::inputMethodQuery(query);
    const QTransform toDevice = QTransform::fromScale(devicePixelRatioF(), devicePixelRatioF());
    return toDevice.inverted().mapRect(QRectF(caretRect(line, toDevice.mapRect(QRectF(textArea())).toAlignedRect())));
}

void TextBox::paintEvent(QPaintEvent *event)
{
    const Line line = arranged();
    if (line.starts.isEmpty()) // Qt finds a face for every letter
        return QLineEdit::paintEvent(event);

    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    const QRect box = toDevice.mapRect(QRectF(textArea())).toAlignedRect();
    painter.setClipRect(box);
    const int caret = line.starts.value(std::max(0, caretIn(line))); // from the line's start
    m_scroll = std::clamp(m_scroll, caret - std::max(1, box.width()) + 1, caret);
    m_scroll = std::clamp(m_scroll, 0, std::max(0, line.starts.last() - box.width() + 1));
    const int lineHeight = line.face.lineHeight();
    const int top = box.top() + (box.height() - lineHeight) / 2;
    const QPoint baseline(box.left() - m_scroll, top + line.face.ascent());
    const auto span = [&](int from, int to) {
        return QRect(baseline.x() + line.starts.value(from), top, line.starts.value(to) - line.starts.value(from), lineHeight);
    };

    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    const QColor text = palette().color(isEnabled() ? group : QPalette::Disabled, QPalette::Text);
    painter.setPen(text);
    line.face.draw(&painter, baseline, line.text);
    // What the input method composes, formatted as it asks, as Qt does.
    for (const QInputMethodEvent::Attribute &attribute : m_composingAttributes) {
        const QTextCharFormat format = attribute.value.value<QTextFormat>().toCharFormat();
        if (attribute.type != QInputMethodEvent::TextFormat || !format.isValid())
            continue;
        const QRect letters = span(line.composedAt + attribute.start, line.composedAt + attribute.start + attribute.length);
        painter.save();
        painter.setClipRect(letters & box);
        if (format.background().style() != Qt::NoBrush)
            painter.fillRect(letters, format.background());
        if (format.foreground().style() != Qt::NoBrush)
            painter.setPen(format.foreground().color());
        line.face.draw(&painter, baseline, line.text);
        if (format.underlineStyle() != QTextCharFormat::NoUnderline) {
            QPen pen(format.underlineColor().isValid() ? format.underlineColor() : painter.pen().color(),
                     line.face.lineThickness(), penFor(format.underlineStyle()));
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            const qreal y = baseline.y() + line.face.underlinePosition() + line.face.lineThickness() / 2.0;
            painter.drawLine(QLineF(letters.left(), y, letters.right() + 1, y));
        }
        painter.restore();
    }
    if (hasSelectedText()) {
        const QRect selected = span(shownPosition(selectionStart()), shownPosition(selectionEnd()));
        painter.fillRect(selected, palette().brush(group, QPalette::Highlight));
        painter.setClipRect(selected & box);
        painter.setPen(palette().color(group, QPalette::HighlightedText));
        line.face.draw(&painter, baseline, line.text);
    } else if (hasFocus() && m_caretShown && caretIn(line) >= 0) {
        painter.fillRect(caretRect(line, box), text);
    }
}

// The position nearest to x in the widget, by the letters as drawn here.
int TextBox::positionAt(double x, const Line &line) const
{
    const double from = (x - textArea().left()) * devicePixelRatioF() + m_scroll;
    qsizetype nearest = 0;
    for (qsizetype i = 1; i < line.starts.size(); ++i) // not between the halves of a letter
        if (std::abs(line.starts[i] - from) < std::abs(line.starts[nearest] - from)
            && (i == line.text.size() || !line.text[i].isLowSurrogate()))
            nearest = i;
    return static_cast<int>(nearest);
}

// Qt's own handling, with the pointer moved to where Qt lays out the letter
// it is on here: a click, Shift+click, drag, double and triple click do as
// they do at scale 1, by the letters as drawn.
template<typename Handler>
void TextBox::passMouse(QMouseEvent *event, Handler handler)
{
    const Line line = arranged();
    if (line.starts.isEmpty() || !m_composing.isEmpty()) // a click into a composition is the input method's
        return handler(event);
    const int wanted = positionAt(event->position().x(), line);
    const int y = event->position().toPoint().y();
    int from = -(1 << 15), to = 1 << 15; // the first x of Qt's that lands there
    while (from < to) {
        const int middle = from + (to - from) / 2;
        if (cursorPositionAt(QPoint(middle, y)) >= wanted)
            to = middle;
        else
            from = middle + 1;
    }
    QMouseEvent moved(event->type(), QPointF(from, event->position().y()), event->scenePosition(), event->globalPosition(),
                      event->button(), event->buttons(), event->modifiers(), event->pointingDevice());
    moved.setTimestamp(event->timestamp());
    handler(&moved);
    event->setAccepted(moved.isAccepted());
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    passMouse(event, [this](QMouseEvent *e) { QLineEdit::mousePressEvent(e); });
}

void TextBox::mouseMoveEvent(QMouseEvent *event)
{
    passMouse(event, [this](QMouseEvent *e) { QLineEdit::mouseMoveEvent(e); });
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    passMouse(event, [this](QMouseEvent *e) { QLineEdit::mouseReleaseEvent(e); });
}

void TextBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    passMouse(event, [this](QMouseEvent *e) { QLineEdit::mouseDoubleClickEvent(e); });
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    m_composing = event->preeditString();
    m_composingAttributes = event->attributes();
    QLineEdit::inputMethodEvent(event);
    showCaret();
}
