#include "optiongroupkeys.h"

#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

OptionGroupKeys::OptionGroupKeys(std::span<QRadioButton *const> group, QObject *parent)
    : QObject(parent)
    , m_group(group.begin(), group.end())
{
    for (QRadioButton *button : m_group)
        button->installEventFilter(this);
}

bool OptionGroupKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    int step = 0;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    default:
        return false;
    }
    const auto at = std::ranges::find(m_group, watched);
    if (at == m_group.end())
        return false;
    // Qt's own arrow keys go by position and choose only when the group had
    // a choice already.
    const auto size = std::ssize(m_group);
    QRadioButton *next = m_group[static_cast<std::size_t>((at - m_group.begin() + step + size) % size)];
    next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    next->click();
    return true;
}
