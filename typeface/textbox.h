#pragma once

#include <QLineEdit>
#include <QRawFont>
#include <QTimer>

// A one-line text box in the interface face. At scale 1 Qt draws it. At
// other scales it takes the outline face, and its text, selection and caret
// are drawn here on whole device pixels: Qt on Windows would draw glyphs
// made for the logical size on the scaled advances.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TextBox)

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void followScale();
    void showCaret();
    // Where each position of the shown text starts, in device pixels from
    // the text's start; empty where the face lacks one of its letters.
    QList<int> positions(const QRawFont &face) const;
    QRect textArea() const;

    static constexpr qreal pointSize = 8.25;
    QTimer m_blink;
    bool m_caretShown = true;
    int m_scroll = 0; // device pixels the text is moved left, so the caret shows
};
