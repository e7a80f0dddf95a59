#include "messages.h"

#include "appidentity.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace Messages {

namespace {

// The window manager draws the caption beside the window's icon and up to
// three buttons; its title font is bolder than the interface font.
constexpr int titleBarItems = 4;

// The width the whole caption needs in the title bar.
int captionWidth(const QMessageBox &box)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int item = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    return QFontMetrics(font).horizontalAdvance(box.windowTitle()) + (titleBarItems + 1) * item;
}

Recorder &recorder()
{
    static Recorder current;
    return current;
}
} // namespace

QMessageBox *createBox(QWidget *parent, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->button(QMessageBox::Ok)->setIcon({}); // some styles add a tick
    // As on Windows, the box is wide enough for its whole caption; the box
    // sizes itself to its contents, so the button row asks for the room.
    const QMargins margins = box->layout()->contentsMargins();
    box->findChild<QDialogButtonBox *>()->setMinimumWidth(captionWidth(*box) - margins.left() - margins.right());
    return box; // exec() makes it modal to the whole application
}

void show(QWidget *parent, const QString &text)
{
    if (recorder()) {
        recorder()(parent, text);
        return;
    }
    createBox(parent, text)->exec();
}

Recorder setRecorder(Recorder replacement)
{
    return std::exchange(recorder(), std::move(replacement));
}

} // namespace Messages
