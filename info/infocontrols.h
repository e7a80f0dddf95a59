#pragma once

#include <QGroupBox>
#include <QLabel>

// A label that reports every mouse move over it (buttons pressed or not)
// and a left click.
class EventLabel : public QLabel
{
    Q_OBJECT
public:
    explicit EventLabel(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(EventLabel)

signals:
    void mouseMoved();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A frame that reports mouse moves over its own surface.
class EventFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit EventFrame(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(EventFrame)

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};
