#pragma once

#include <QRadioButton>

class QStylePainter;

// An option button drawn the classic way: a small circle and a caption
// that wraps inside the button's box, so the designed widths hold the
// captions; the whole box takes the click.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OptionButton(const QString &text, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(OptionButton)

    // A caption word wider than the designed box widens the box to the
    // right rather than lose its last letters.
    void widenToCaption();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    void drawFocusRect(QStylePainter &painter, const QRect &captionRect) const;
};
