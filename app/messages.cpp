#include "messages.h"

#include "appidentity.h"
#include "pixeltext.h"
#include "uifonts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace Messages {

namespace {

// Title bars centre the caption, with up to three buttons at one side
// (openbox and Qt's own Wayland title bar show minimize, maximize and close
// on a box) and the icon at the other: the caption needs the buttons' room
// on both sides. Their title font is bolder than the interface font.
constexpr int titleBarButtons = 3;

// The width the whole caption needs in the title bar.
int captionWidth(const QMessageBox &box)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int button = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    return QFontMetrics(font).horizontalAdvance(box.windowTitle()) + (2 * titleBarButtons + 1) * button;
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
    // In the interface face, also where the platform gives message boxes a
    // font of their own; the text asks for the room that face takes.
    box->setFont(UiFonts::msSansSerif());
    auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    label->setTextInteractionFlags(Qt::NoTextInteraction); // selectable text is drawn by Qt
    label->setMinimumSize(PixelText::size(label->font(), text));
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
