#include "resultsheet.h"
#include "toolrun.h"
#include "twipsprinter.h"
#include "workedexample.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

struct PrintedLine {
    double x = 0; // left of the first word, in points
    double y = 0; // top of the line's words
    QString text;
};

// Words as pdftotext -bbox places them on the page, gathered into lines.
QList<PrintedLine> printedLines(const QString &pdf)
{
    const ToolRun run = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    QList<PrintedLine> words;
    for (const auto &m : word.globalMatch(QString::fromUtf8(run.out)))
        words.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    // pdftotext orders words for reading, not by place
    std::sort(words.begin(), words.end(), [](const PrintedLine &a, const PrintedLine &b) {
        return qAbs(a.y - b.y) > 1 ? a.y < b.y : a.x < b.x;
    });
    QList<PrintedLine> lines;
    for (const PrintedLine &w : words) {
        if (lines.isEmpty() || qAbs(lines.last().y - w.y) > 1)
            lines.append(w);
        else
            lines.last().text += u' ' + w.text;
    }
    return lines;
}

} // namespace

class TwipsPrinterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!hasTool(QStringLiteral("pdftotext")))
            QSKIP("pdftotext is not installed (scripts/deps.sh installs poppler-utils)");
    }

    void sheetLinesSitOnTheirTwipsPositions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("result");
        const QStringList example = workedExample();
        QStringList gaps = example;
        gaps[1].clear();
        gaps[3].clear();
        QStringList longLines = example;
        longLines[0] = QStringLiteral("Heel lang ").repeated(40);
        QTest::newRow("name") << QStringLiteral("Sanne") << example;
        QTest::newRow("empty name") << QString() << example;
        QTest::newRow("empty slots") << QStringLiteral("Sanne") << gaps;
        QTest::newRow("long lines unwrapped") << QStringLiteral("Zeer ").repeated(60) << longLines;
    }
    void sheetLinesSitOnTheirTwipsPositions()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, result);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("sheet.pdf")));
        printer.setPageMargins(QMarginsF(20, 15, 10, 10), QPageLayout::Millimeter);
        {
            TwipsPrinter sheet(&printer);
            QVERIFY(ResultSheet::print(sheet, name, result.join(QStringLiteral("\r\n"))));
        }
        const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
        QVERIFY(runTool(QStringLiteral("pdffonts"), {printer.outputFileName()}).out.contains("Comic")); // the name or its stand-in

        // Slot 0 is the name, 1 to 8 the result, 9 the closing line.
        const QStringList expected = QStringList{name} + result + QStringList{QStringLiteral("WWW.VEXLO.EXAMPLE")};
        QList<int> printedSlots;
        for (int slot = 0; slot < expected.size(); ++slot) {
            if (!expected[slot].isEmpty())
                printedSlots << slot;
        }
        const QList<PrintedLine> lines = printedLines(printer.outputFileName());
        QCOMPARE(lines.size(), printedSlots.size());
        const double top = area.top() + 1000 / 20.0;
        const double step = (lines.last().y - lines.first().y) / (9 - printedSlots.first());
        QVERIFY2(step > 10 && step < 16, qPrintable(QString::number(step))); // one line of 10 pt type
        for (int i = 0; i < lines.size(); ++i) {
            const int slot = printedSlots[i];
            const double indent = (slot == 0 || slot == 9) ? 1600 / 20.0 : 0;
            QVERIFY2(expected[slot].simplified().startsWith(lines[i].text), qPrintable(lines[i].text));
            QVERIFY2(qAbs(lines[i].x - (area.left() + indent)) < 0.5, qPrintable(QStringLiteral("line %1 x %2").arg(slot).arg(lines[i].x)));
            QVERIFY2(qAbs(lines[i].y - (top + slot * step)) < 1, qPrintable(QStringLiteral("line %1 y %2").arg(slot).arg(lines[i].y)));
        }
    }
};

QTEST_MAIN(TwipsPrinterTest)
#include "tst_twipsprinter.moc"
