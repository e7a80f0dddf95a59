#include "frminfo.h"

#include "appidentity.h"
#include "assets.h"
#include "classicframe.h"
#include "frminfolayout.h"
#include "infocontrols.h"
#include "modinfo.h"
#include "pendingerror.h"
#include "readablecolour.h"
#include "shell.h"
#include "systeminfo.h"
#include "pixeltext.h"
#include "uifonts.h"
#include "utf8.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>

#include <algorithm>

using namespace frminfoLayout;

namespace {

// Decoded once for the program's life: images made anew each time the
// window opens would leave new pixmaps in Qt's cache every time.
struct Images {
    QIcon icon = pngIcon(fromUtf8(iconResource));
    QPixmap background{fromUtf8(backgroundResource)};
};
const Images &images()
{
    static const auto *loaded = new Images;
    return *loaded;
}

frminfo::Clock &today()
{
    static frminfo::Clock current;
    return current;
}

template <typename Label = QLabel>
Label *makeLabel(QWidget *parent, const Placed &placed)
{
    auto *label = new Label(parent);
    label->setObjectName(fromUtf8(placed.name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(Twips::toPixels(placed.box));
    label->setText(fromUtf8(placed.caption));
    return label;
}

// A self-sizing label takes the size of its caption as drawn, on one line.
void fitToText(QLabel *label)
{
    if (UiFonts::isInterfaceFont(label->font()))
        label->resize(PixelText::size(label->font(), label->text()));
    else
        label->adjustSize();
}

void setCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    fitToText(label);
}

// lblComments keeps its width and grows or shrinks in height only.
void setWrappedCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    label->resize(label->width(), PixelText::size(label->font(), caption, label->width()).height());
}

// The designed colour, or where a theme's face makes it hard to read, one
// near it that reads.
void setTextColour(QWidget *widget, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ReadableColour::on(palette, text));
    widget->setPalette(palette);
}

// The Bold attribute of the label's own font; the label resizes with it.
void setBold(QLabel *label, bool bold)
{
    if (label->font().bold() == bold)
        return;
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    fitToText(label);
}

QString joinedNotes()
{
    QString text;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (i > 0)
            text += fromUtf8(lineBreak);
        text += fromUtf8(notes[i]);
    }
    return text;
}

} // namespace

frminfo::frminfo(QWidget *parent)
    : QWidget(parent)
{
    setupWindow();
    setupLabels();
    setupContactFrame();
    setupProgramFrame();
    setupButtons();
    setupTimer();
}

frminfo::Clock frminfo::setClock(Clock replacement)
{
    return std::exchange(today(), std::move(replacement));
}

void frminfo::setupWindow()
{
    setObjectName(QStringLiteral("frminfo"));
    // A tool window stays out of the task bar; fixed border, close box only.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    // Qt takes a tool window out of the last-window count; this one is a
    // window of its own and keeps the program running while it is open.
    setAttribute(Qt::WA_QuitOnClose, true);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(fromUtf8(designCaption));
    setWindowIcon(images().icon);
    setFixedSize(Twips::toPixels(clientWidth, clientHeight));
}

void frminfo::setupLabels()
{
    lblproduct = makeLabel(this, frminfoLayout::lblproduct);
    lblproduct->setFont(UiFonts::comicSansMs(productPointSize));
    lblproduct->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(lblproduct, darkRed);
    m_lblproductLeft = static_cast<float>(frminfoLayout::lblproduct.box.left);

    Label1 = makeLabel(this, frminfoLayout::Label1);
    Label1->setWordWrap(true);

    lblComments = makeLabel(this, frminfoLayout::lblComments);
    lblComments->setWordWrap(true);
}

void frminfo::setupContactFrame()
{
    Frame1 = new EventFrame(this);
    Frame1->setObjectName(fromUtf8(frminfoLayout::Frame1.name));
    Frame1->setTitle(fromUtf8(frminfoLayout::Frame1.caption));
    Frame1->setGeometry(Twips::toPixels(frminfoLayout::Frame1.box));
    useClassicFrame(Frame1);
    connect(Frame1, &EventFrame::mouseMoved, this, &frminfo::Frame1_MouseMove);

    const QFont contactFont = UiFonts::msSansSerif(contactPointSize);
    // The captions take mouse moves too, so only the frame's bare surface
    // counts as leaving the links.
    for (const Placed &caption : {frminfoLayout::Label2, frminfoLayout::Label3}) {
        QLabel *label = makeLabel<EventLabel>(Frame1, caption);
        label->setFont(contactFont);
        fitToText(label);
    }
    for (std::size_t i = 0; i < lblsite.size(); ++i) {
        lblsite[i] = makeLabel<EventLabel>(Frame1, frminfoLayout::lblsite[i]);
        const int index = static_cast<int>(i);
        connect(lblsite[i], &EventLabel::mouseMoved, this, [this, index] { lblsite_MouseMove(index); });
        connect(lblsite[i], &EventLabel::clicked, this, [this, index] { lblsite_Click(index); });
    }
    lblmail = makeLabel<EventLabel>(Frame1, frminfoLayout::lblmail);
    connect(lblmail, &EventLabel::mouseMoved, this, &frminfo::lblmail_MouseMove);
    connect(lblmail, &EventLabel::clicked, this, &frminfo::lblmail_Click);
    for (EventLabel *link : {lblsite[0], lblsite[1], lblmail}) {
        link->setFont(contactFont);
        setTextColour(link, darkRed);
        fitToText(link);
    }
}

void frminfo::setupProgramFrame()
{
    auto *frame = new QGroupBox(fromUtf8(frminfoLayout::Frame2.caption), this);
    frame->setObjectName(fromUtf8(frminfoLayout::Frame2.name));
    frame->setGeometry(Twips::toPixels(frminfoLayout::Frame2.box));
    useClassicFrame(frame);
    Frame2 = frame;

    lblversion = makeLabel(Frame2, frminfoLayout::lblversion);
    lbluse = makeLabel(Frame2, frminfoLayout::lbluse);
    QLabel *status = makeLabel(Frame2, frminfoLayout::Label5);
    Label4 = makeLabel(Frame2, frminfoLayout::Label4);
    for (QLabel *label : {lblversion, lbluse, status, Label4})
        fitToText(label);
    lblware = makeLabel(Frame2, frminfoLayout::lblware);
}

void frminfo::setupButtons()
{
    auto makeButton = [this](const Placed &placed) {
        auto *button = new QPushButton(fromUtf8(placed.caption), this);
        button->setObjectName(fromUtf8(placed.name));
        button->setGeometry(Twips::toPixels(placed.box));
        button->setAutoDefault(true); // Enter presses the focused button
        return button;
    };
    // Made in their tab order: "Back", "Vexlo Info", "System".
    cmdback = makeButton(frminfoLayout::cmdback);
    cmdcdpc = makeButton(frminfoLayout::cmdcdpc);
    cmdsystem = makeButton(frminfoLayout::cmdsystem);
    // "Vexlo Info" has nothing behind it and stays greyed.
    cmdcdpc->setEnabled(false);

    cmdback->setFocus();

    connect(cmdback, &QPushButton::clicked, this, &frminfo::cmdback_Click);
    connect(cmdsystem, &QPushButton::clicked, this, &frminfo::cmdsystem_Click);
}

void frminfo::setupTimer()
{
    tmrtitlescrl = new QTimer(this);
    tmrtitlescrl->setObjectName(QStringLiteral("tmrtitlescrl"));
    tmrtitlescrl->setInterval(tmrtitlescrlInterval);
    connect(tmrtitlescrl, &QTimer::timeout, this, &frminfo::tmrtitlescrl_Timer);
}

void frminfo::placeCentred()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect outer = frameGeometry();
    outer.moveCenter(screen->geometry().center());
    move(outer.topLeft());
}

void frminfo::Form_Load()
{
    const QDate date = today() ? today()() : QDate::currentDate();
    const int year = std::max(date.year(), earliestCreditYear);

    setCaption(lblproduct, applicationTitle());
    if (static_cast<float>(Twips::fromPixels(lblproduct->width())) > scaleWidth())
        tmrtitlescrl->start();

    setCaption(Label4, fromUtf8(creditPrefix) + QString::number(year));
    setWrappedCaption(lblComments, fromUtf8(AppInfo::comments));
}

void frminfo::Form_Activate()
{
    // Each step is tried even when an earlier one failed.
    PendingError::program().runEachStep({
        [this] { lblware->setText(fromUtf8(statusWord)); },
        [this] {
            setCaption(lblversion, fromUtf8(versionPrefix) + modinfo::VersionText());
            Label1->setText(joinedNotes());
            setCaption(lbluse, fromUtf8(usePrefix) + QString::number(modinfo::UsageCount) + fromUtf8(useSuffix));
        },
        [this] { modinfo::SetWindowTranslucency(winId(), activeOpacity); },
        [this] { setWindowTitle(fromUtf8(runCaption)); },
    });
}

void frminfo::cmdback_Click()
{
    close();
}

void frminfo::cmdsystem_Click()
{
    setEnabled(false);
    QPointer<frminfo> self(this);
    // However the dialog ends, the window takes input again.
    const auto enableAgain = qScopeGuard([self] {
        if (self)
            self->setEnabled(true);
    });
    SystemInfo::showDialog(this);
}

void frminfo::lblsite_MouseMove(int index)
{
    setBold(lblsite[static_cast<std::size_t>(index)], true);
    setBold(lblsite[static_cast<std::size_t>(1 - index)], false);
    setBold(lblmail, false);
}

void frminfo::lblsite_Click(int index)
{
    Shell::openTarget(this, lblsite[static_cast<std::size_t>(index)]->text());
}

void frminfo::lblmail_MouseMove()
{
    setBold(lblsite[0], false);
    setBold(lblsite[1], false);
    setBold(lblmail, true);
}

void frminfo::lblmail_Click()
{
    const QString address = lblmail->text();
    const QString subject = modinfo::TitleWithVersion();
    // Joined as they are: the desktop service does any encoding a target needs.
    Shell::openTarget(this, QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + subject);
}

void frminfo::Frame1_MouseMove()
{
    setBold(lblsite[0], false);
    setBold(lblsite[1], false);
    setBold(lblmail, false);
}

void frminfo::tmrtitlescrl_Timer()
{
    const auto width = static_cast<float>(Twips::fromPixels(lblproduct->width()));
    if (m_lblproductLeft <= -width)
        moveLblproduct(outerWidth());
    moveLblproduct(m_lblproductLeft - titleStep);
}

void frminfo::moveLblproduct(float left)
{
    m_lblproductLeft = left;
    lblproduct->move(Twips::toPixels(left), lblproduct->y());
}

float frminfo::scaleWidth() const
{
    return static_cast<float>(Twips::fromPixels(width()));
}

float frminfo::outerWidth() const
{
    return static_cast<float>(Twips::fromPixels(frameGeometry().width()));
}

bool frminfo::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void frminfo::changeEvent(QEvent *event)
{
    // The window has no minimize button and no task bar entry to come back
    // by, so a window manager that minimizes it anyway is undone.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QMetaObject::invokeMethod(this, &QWidget::showNormal, Qt::QueuedConnection);
    QWidget::changeEvent(event);
}

void frminfo::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, images().background);
    for (const Line &line : Line1) {
        const int left = Twips::toPixels(line.x1);
        painter.fillRect(left, Twips::toPixels(line.y1), Twips::toPixels(line.x2) - left, lineWidthPixels,
                         palette().windowText());
    }
}
