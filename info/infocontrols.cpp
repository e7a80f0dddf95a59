#include "infocontrols.h"

#include <QMouseEvent>

EventLabel::EventLabel(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
}

// Not passed on: a move over a link is not a move over the frame behind it.
void EventLabel::mouseMoveEvent(QMouseEvent * /*event*/)
{
    emit mouseMoved();
}

void EventLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

EventFrame::EventFrame(QWidget *parent)
    : QGroupBox(parent)
{
    setMouseTracking(true);
}

void EventFrame::mouseMoveEvent(QMouseEvent *event)
{
    QGroupBox::mouseMoveEvent(event);
    emit mouseMoved();
}
