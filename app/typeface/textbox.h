#pragma once

#include <QLineEdit>
#include <QRawFont>
#include <QTimer>

#include <utility>

// A one-line text box in the interface face. At scale 1 Qt draws it. At
// other scales its text, selection and caret are drawn here on whole device
// pixels in the face the labels have there (MS Sans Serif's strike of that
// size, where it has every letter, else the outline stand-in): Qt would draw
// the stand-in's thin outline letters, on Windows without smoothing.
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
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void followScale();
    void showCaret();
    // The face the text is drawn in here, and where each position of the
    // text starts, in device pixels from its start; nothing where Qt draws.
    std::pair<QRawFont, QList<int>> arranged() const;
    QList<int> positions(const QRawFont &face) const;
    QRect textArea() const;
    int positionAt(double x, const QList<int> &starts) const;

    static constexpr qreal pointSize = 8.25;
    QTimer m_blink;
    bool m_caretShown = true;
    int m_scroll = 0; // device pixels the text is moved left, so the caret shows
    int m_anchor = -1; // where the left button went down
};
