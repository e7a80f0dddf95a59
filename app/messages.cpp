#include "messages.h"

#include "appidentity.h"

#include <QMessageBox>
#include <QPushButton>

namespace Messages {

namespace {
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
