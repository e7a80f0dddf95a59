#pragma once

#include <QObject>

#include <span>
#include <vector>

class QRadioButton;

// The arrow keys in a page's option group, as Windows users know them: all
// four step through the group in its tab order, round, and each step chooses
// the option it reaches, as a click does.
class OptionGroupKeys : public QObject
{
    Q_OBJECT
public:
    // The group in its tab order; the keys are watched on every member.
    explicit OptionGroupKeys(std::span<QRadioButton *const> group, QObject *parent);
    Q_DISABLE_COPY_MOVE(OptionGroupKeys)

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<QRadioButton *> m_group;
};
