#include "twipsprinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

namespace {
constexpr double twipsPerInch = 1440.0;
}

TwipsPrinter::TwipsPrinter(QPrinter *printer)
    : m_printer(printer)
{
}

TwipsPrinter::~TwipsPrinter()
{
    if (m_painter && m_painter->isActive()) {
        m_printer->abort();
        m_painter->end();
    }
}

void TwipsPrinter::setFontName(const QString &name, const QString &standIns)
{
    m_font.setFamilies(QStringList{name} << standIns.split(u',', Qt::SkipEmptyParts));
}

void TwipsPrinter::setFontSize(qreal points)
{
    m_font.setPointSizeF(points);
}

bool TwipsPrinter::begin()
{
    if (!m_painter) {
        // Positions count from the printer's printable area: its own
        // unprintable margins, never the default ones Qt adds.
        const QPageLayout layout = m_printer->pageLayout();
        m_printer->setPageMargins(layout.minimumMargins(), layout.units());
        m_painter = std::make_unique<QPainter>();
        m_failed = !m_painter->begin(m_printer);
    }
    return !m_failed;
}

double TwipsPrinter::toDeviceX(int twips) const
{
    return twips * m_printer->logicalDpiX() / twipsPerInch;
}

double TwipsPrinter::toDeviceY(int twips) const
{
    return twips * m_printer->logicalDpiY() / twipsPerInch;
}

bool TwipsPrinter::printLine(const QString &text)
{
    if (!begin())
        return false;
    m_painter->setFont(m_font);
    const QFontMetricsF metrics(m_font, m_printer);
    const int lineTwips = qRound(metrics.lineSpacing() * twipsPerInch / m_printer->logicalDpiY());
    for (const QString &line : text.split(QStringLiteral("\r\n"))) {
        // Drawn at a point, so a long line runs off the page rather than wrapping.
        m_painter->drawText(QPointF(toDeviceX(m_x), toDeviceY(m_y) + metrics.ascent()), line);
        m_x = 0;
        m_y += lineTwips;
    }
    return true;
}

bool TwipsPrinter::endDocument()
{
    m_failed = !begin() || !m_painter->end() || m_printer->printerState() == QPrinter::Error;
    return !m_failed;
}
