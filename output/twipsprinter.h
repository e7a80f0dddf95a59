#pragma once

#include <QFont>
#include <QtGlobal>

#include <memory>

class QPainter;
class QPrinter;
class QString;

// The printer operations the result sheet needs, over QPainter: a font by
// name and size, a print position in twips from the top-left of the
// printable area, printing a line, and ending the document. The same calls
// print on paper or, with a PDF QPrinter, into a file.
class TwipsPrinter
{
public:
    explicit TwipsPrinter(QPrinter *printer);
    ~TwipsPrinter(); // a document not ended is aborted, so nothing half-done is queued
    Q_DISABLE_COPY_MOVE(TwipsPrinter)

    // standIns: faces that stand in where it is missing, comma-separated
    void setFontName(const QString &name, const QString &standIns = {});
    void setFontSize(qreal points);
    void setX(int twips) { m_x = twips; }
    void setY(int twips) { m_y = twips; }
    int y() const { return m_y; }

    // Prints the text at the current position and moves to the start of the
    // next line; a CR LF inside the text starts a new line too. The first
    // call begins the document. Returns false once anything has failed.
    bool printLine(const QString &text);

    // Releases the job to the printer.
    bool endDocument();

private:
    bool begin();
    double toDeviceX(int twips) const;
    double toDeviceY(int twips) const;

    QPrinter *m_printer = nullptr;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    int m_x = 0;
    int m_y = 0;
    bool m_failed = false;
};
