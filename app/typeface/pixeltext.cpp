#include "pixeltext.h"

#include "uifonts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionComplex>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <utility>

namespace {
// Where Qt's frames start their caption, from either side.
constexpr int frameCaptionMargin = 8;
} // namespace

namespace PixelText {

namespace {

struct Text {
    QStringList lines;
    int mnemonicLine = -1; // the letter an access key underlines
    int mnemonicIndex = -1;
};

// The text as shown: "&" marks the access key, "&&" is an "&"; lines break
// at spaces before the word that would pass width (never inside a word).
Text layOut(const Face &face, QString text, int flags, double width)
{
    Text laidOut;
    text.remove(u'\r');
    QString plain;
    int mnemonic = -1;
    const bool mnemonics = flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (mnemonics && text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && mnemonic < 0 && (flags & Qt::TextShowMnemonic))
                mnemonic = static_cast<int>(plain.size());
        }
        plain += text[i];
    }
    const auto rightTrimmed = [](QString line) {
        while (line.endsWith(u' '))
            line.chop(1);
        return line;
    };
    for (const QString &paragraph : plain.split(u'\n')) {
        const QStringList words = paragraph.split(u' ');
        QString line = words.first();
        for (qsizetype i = 1; i < words.size(); ++i) {
            const QString longer = line + u' ' + words[i];
            if ((flags & Qt::TextWordWrap) && face.width(rightTrimmed(longer)) > width) {
                laidOut.lines << line;
                line = words[i];
            } else {
                line = longer;
            }
        }
        laidOut.lines << line;
    }
    // Where the access key's letter landed.
    qsizetype start = 0;
    for (int i = 0; mnemonic >= 0 && i < laidOut.lines.size(); ++i) {
        if (mnemonic < start + laidOut.lines[i].size()) {
            laidOut.mnemonicLine = i;
            laidOut.mnemonicIndex = static_cast<int>(mnemonic - start);
            break;
        }
        start += laidOut.lines[i].size() + 1;
    }
    return laidOut;
}

} // namespace

QSize size(const QFont &font, const QString &text, int width)
{
    if (!UiFonts::drawsInPixels(1.0)) {
        // Qt draws it, and would break "Baby-blauw" at its hyphen; Windows
        // breaks lines at spaces only, so the widest word sets the width.
        const QFontMetrics metrics(font);
        int wrapWidth = width > 0 ? width : 1 << 20;
        for (const QString &word : text.simplified().split(u' '))
            wrapWidth = std::max(wrapWidth, metrics.horizontalAdvance(word));
        return metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20), width > 0 ? Qt::TextWordWrap : 0, text).size();
    }
    const Face designed = Face::of(font, 1.0);
    const Text laidOut = layOut(designed, text, width > 0 ? Qt::TextWordWrap : 0, width);
    // The larger strikes run a pixel or two wider than their scale: the
    // size holds the text at those scales too.
    double widest = 0;
    for (const qreal scale : {1.0, 1.25, 1.5}) {
        const Face face = Face::of(font, scale);
        for (const QString &line : laidOut.lines)
            widest = std::max(widest, face.width(line) / scale);
    }
    return {static_cast<int>(std::ceil(widest)), UiFonts::designedLineHeight(font.pointSizeF()) * static_cast<int>(laidOut.lines.size())};
}

QSize lineSize(const QFont &font, const QString &line, qreal scale)
{
    const Face face = Face::of(font, scale);
    const QString plain = layOut(face, line, Qt::TextShowMnemonic, 0).lines.join(u' ');
    return {static_cast<int>(std::ceil(face.width(plain) / scale)), UiFonts::designedLineHeight(font.pointSizeF())};
}

bool draws(const QPainter *painter)
{
    const QTransform toDevice = painter->deviceTransform();
    return UiFonts::isInterfaceFont(painter->font()) && painter->font().pointSizeF() > 0
           && toDevice.type() <= QTransform::TxScale && UiFonts::drawsInPixels(toDevice.m11());
}

namespace {

// A text as draw() sets it, in device pixels: the face, the lines with their
// glyph positions, where each line starts and how high lines are.
struct Arranged {
    Face face;
    Text laidOut;
    QList<QPoint> baselines;
    QList<int> widths;
    int lineHeight = 0;
};

Arranged arrange(const QPainter *painter, const QRect &rect, int flags, const QString &text)
{
    const QFont font = painter->font();
    const QTransform toDevice = painter->deviceTransform();
    const qreal scale = toDevice.m11();

    const Face designed = Face::of(font, 1.0);
    Arranged a{Face::of(font, scale), {}, {}, {}, 0};
    // Windows at 120 dots an inch has only the larger strikes: there the
    // strike of this scale sets the lines, with the room strikes run over.
    const bool strikeHereOnly = a.face.isStrike() && !designed.isStrike();
    a.laidOut = strikeHereOnly ? layOut(a.face, text, flags, (rect.width() + 2) * scale)
                               : layOut(designed, text, flags, rect.width());
    // One pixel smaller at a time while a line would pass both its box and
    // its width at scale 1; a strike that set its own lines has its room.
    for (int step = 1; step < 4; ++step) {
        bool fits = true;
        for (const QString &line : a.laidOut.lines)
            fits = fits && a.face.width(line) <= (strikeHereOnly ? (rect.width() + 2) * scale
                                                                 : std::max<double>(rect.width(), designed.width(line)) * scale + 1);
        if (fits)
            break;
        a.face = Face::of(font, scale, step);
    }

    const QRect box = toDevice.mapRect(QRectF(rect)).toAlignedRect();
    // A strike a little taller than its scale keeps the designed pitch, so
    // a label's last line stays inside it.
    a.lineHeight = std::min(a.face.lineHeight(), static_cast<int>(UiFonts::designedLineHeight(font.pointSizeF()) * scale));
    const int height = a.lineHeight * static_cast<int>(a.laidOut.lines.size());
    int top = box.top();
    if (flags & Qt::AlignBottom)
        top = box.bottom() + 1 - height;
    else if (flags & Qt::AlignVCenter)
        top = box.top() + (box.height() - height) / 2;
    for (const QString &line : a.laidOut.lines) {
        const int lineWidth = a.face.starts(line).last();
        int left = box.left();
        if (flags & Qt::AlignRight)
            left = box.right() + 1 - lineWidth;
        else if (flags & Qt::AlignHCenter)
            left = box.left() + (box.width() - lineWidth) / 2;
        a.widths << lineWidth;
        a.baselines << QPoint(left, top + static_cast<int>(a.baselines.size()) * a.lineHeight + a.face.ascent());
    }
    return a;
}

} // namespace

QRect deviceRect(const QPainter *painter, const QRect &rect, int flags, const QString &text)
{
    const Arranged a = arrange(painter, rect, flags, text);
    QRect lines;
    for (int i = 0; i < a.baselines.size(); ++i) {
        lines |= QRect(a.baselines[i] - QPoint(0, a.face.ascent()), QSize(a.widths[i], a.lineHeight));
    }
    return lines;
}

bool draw(QPainter *painter, const QRect &rect, int flags, const QString &text)
{
    if (!draws(painter))
        return false;
    const Arranged a = arrange(painter, rect, flags, text);
    const qreal scale = painter->deviceTransform().m11();
    const QTransform toDevice = painter->deviceTransform();

    painter->save();
    painter->setWorldTransform(toDevice.inverted() * painter->worldTransform());
    for (int i = 0; i < a.laidOut.lines.size(); ++i) {
        const QString &line = a.laidOut.lines[i];
        a.face.draw(painter, a.baselines[i], line);
        if (i == a.laidOut.mnemonicLine && a.laidOut.mnemonicIndex < line.size()) {
            const int thickness = std::max(1, static_cast<int>(scale));
            const QPoint start = a.baselines[i] + QPoint(a.face.starts(line)[a.laidOut.mnemonicIndex], thickness);
            painter->fillRect(QRectF(start, QSizeF(a.face.advances(line)[a.laidOut.mnemonicIndex], thickness)), painter->pen().color());
        }
    }
    painter->restore();
    return true;
}

} // namespace PixelText

PixelTextStyle::PixelTextStyle(QStyle *base)
    : QProxyStyle(base)
{
}

QRect PixelTextStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                                     const QWidget *widget) const
{
    // A frame's caption, where it is drawn here, takes the room it is drawn
    // in: Windows' own MS Sans Serif at 120 dots an inch is wider and taller,
    // and set the caption in a wide gap above the frame's line.
    const auto *frame = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !frame || frame->text.isEmpty() || !widget || (sub != SC_GroupBoxFrame && sub != SC_GroupBoxLabel)
        || !UiFonts::isInterfaceFont(widget->font()) || !UiFonts::drawsInPixels(widget->devicePixelRatioF()))
        return QProxyStyle::subControlRect(control, option, sub, widget);
    const QSize caption = PixelText::lineSize(widget->font(), frame->text + u' ', widget->devicePixelRatioF());
    if (sub == SC_GroupBoxFrame)
        return frame->rect.adjusted(0, caption.height() / 2, 0, 0);
    const QRect row(frame->rect.left() + frameCaptionMargin, frame->rect.top(), frame->rect.width() - 2 * frameCaptionMargin, caption.height());
    return alignedRect(frame->direction, frame->textAlignment, caption, row);
}

void PixelTextStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    // A focus rectangle on whole device pixels: at a scale between whole
    // numbers its dotted lines fell between pixels, two wide in places.
    const auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option);
    const QTransform toDevice = painter ? painter->deviceTransform() : QTransform();
    if (element != PE_FrameFocusRect || !focus || toDevice.type() > QTransform::TxScale
        || toDevice.m11() == std::floor(toDevice.m11()))
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    QStyleOptionFocusRect inDevice = *focus;
    inDevice.rect = toDevice.mapRect(QRectF(focus->rect)).toRect();
    painter->save();
    painter->setWorldTransform(toDevice.inverted() * painter->worldTransform());
    QProxyStyle::drawPrimitive(element, &inDevice, painter, widget);
    painter->restore();
}

void PixelTextStyle::drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                                  bool enabled, const QString &text, QPalette::ColorRole textRole) const
{
    // Where Qt draws, a line is clipped by its control only, as Windows
    // clips it: a button's label box is shorter than a line with descenders.
    if (text.isEmpty() || !PixelText::draws(painter))
        return QProxyStyle::drawItemText(painter, rect, flags | Qt::TextDontClip, palette, enabled, text, textRole);
    painter->save();
    if (textRole != QPalette::NoRole)
        painter->setPen(QPen(palette.brush(textRole), painter->pen().widthF()));
    if (!enabled && proxy()->styleHint(SH_EtchDisabledText)) {
        const QPen pen = painter->pen();
        painter->setPen(palette.light().color());
        PixelText::draw(painter, rect.translated(1, 1), flags, text);
        painter->setPen(pen);
    }
    PixelText::draw(painter, rect, flags, text);
    painter->restore();
}

void PixelText::installStyle()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        QApplication::setStyle(new PixelTextStyle);
        // A text box lays out an empty line in the application's font when
        // it is made: in any other font that would load a face for nothing.
        // Menus, tips and title bars keep the system's fonts.
        const std::array keep{"QMenu", "QTipLabel", "QMdiSubWindowTitleBar"};
        std::array<QFont, keep.size()> systemFonts;
        std::ranges::transform(keep, systemFonts.begin(), [](const char *widget) { return QApplication::font(widget); });
        QApplication::setFont(UiFonts::msSansSerif());
        for (std::size_t i = 0; i < keep.size(); ++i)
            QApplication::setFont(systemFonts[i], keep[i]);
    });
}

void PixelTextDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = std::exchange(item.text, QString());
    QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
    item.text = text;
    const QRect box = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    // The Vista style paints its selection pale and writes on it in the
    // text colour; white there could hardly be read.
    const auto *proxy = qobject_cast<const QProxyStyle *>(style);
    const bool paleSelection = (proxy ? proxy->baseStyle() : style)->inherits("QWindowsVistaStyle");
    painter->save();
    painter->setFont(item.font);
    style->drawItemText(painter, box.adjusted(margin, 0, -margin, 0), int(item.displayAlignment), item.palette,
                        item.state & QStyle::State_Enabled, text,
                        item.state & QStyle::State_Selected && !paleSelection ? QPalette::HighlightedText
                                                                               : QPalette::Text);
    painter->restore();
}
