#pragma once

#include "uifonts.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTimer>

// A one-line text box in the interface face. At scale 1 Qt draws it. At
// other scales its text, selection, caret and what an input method is
// composing are drawn here on whole device pixels in the face the labels
// have there (MS Sans Serif's strike of that size, where it has every
// letter, else the outline stand-in): Qt would draw the stand-in's thin
// outline letters, on Windows without smoothing. Qt still does all the
// editing; the mouse is handed to it where, in its own layout, lies the
// letter the pointer is on as drawn here.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TextBox)

    using QLineEdit::inputMethodQuery;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // The line as shown here: the text with the composition at the caret,
    // and where each of its positions starts, in device pixels.
    struct Line {
        Face face;
        QString text;
        QList<int> starts;
        int composedAt = 0;
    };

    void followScale();
    void showCaret();
    // Nothing where Qt draws.
    Line arranged() const;
    QRect textArea() const;
    int shownPosition(int position) const; // a position of the text in the line shown
    int positionAt(double x, const Line &line) const;
    int caretIn(const Line &line) const;
    QRect caretRect(const Line &line, const QRect &box) const;
    template<typename Handler>
    void passMouse(QMouseEvent *event, Handler handler);

    QTimer m_blink;
    bool m_caretShown = true;
    int m_scroll = 0; // device pixels the text is moved left, so the caret shows
    QString m_composing;
    QList<QInputMethodEvent::Attribute> m_composingAttributes;
};
