#include "infocontrols.h"

#include <QMouseEvent>

EventLabel::EventLabel(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
}

void EventLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

void EventLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void EventLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
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
