#include "form1.h"

#include "appinfo.h"
#include "assets.h"
#include "classicframe.h"
#include "form1layout.h"
#include "infowindow.h"
#include "messages.h"
#include "optionbutton.h"
#include "optiongroupkeys.h"
#include "output.h"
#include "phrases.h"
#include "pixeltext.h"
#include "textbox.h"
#include "utf8.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <limits>
#include <span>

using namespace Form1Layout;

namespace {

QString controlName(const Control &control)
{
    const QString name = fromUtf8(control.name);
    return control.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(control.index);
}

// A list whose popup (a frame, a view, scroll bars) is built when it first
// opens: it costs start-up a good deal, and the first page has no list.
class List : public QComboBox
{
public:
    using QComboBox::QComboBox;
    Q_DISABLE_COPY_MOVE(List)

    void showPopup() override
    {
        if (!qobject_cast<PixelTextDelegate *>(itemDelegate()))
            setItemDelegate(new PixelTextDelegate(this));
        QComboBox::showPopup();
    }
};

QWidget *createControl(const Control &control, QWidget *parent)
{
    const QString caption = fromUtf8(control.caption);
    switch (control.kind) {
    case Kind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::Option:
        return new OptionButton(caption, parent);
    case Kind::Combo:
        return new List(parent);
    case Kind::Text: {
        auto *text = new TextBox(parent);
        text->setMaxLength(std::numeric_limits<int>::max()); // names have no length limit
        return text;
    }
    case Kind::Button: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(true); // Enter presses the focused button
        return button;
    }
    }
    return nullptr;
}

// An array longer than its page's controls is a fault of the program; it
// stops here rather than connect nothing.
template<typename T, std::size_t N>
void bindArray(const QWidget *form, std::array<T *, N> &array, const char *name)
{
    for (std::size_t i = 0; i < N; ++i) {
        array[i] = form->findChild<T *>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
        if (!array[i])
            qFatal("no control %s(%zu)", name, i);
    }
}

// Stores the phrase for a choice; an index outside the table stores nothing.
template<std::size_t N>
void record(QString &slot, const std::array<std::string_view, N> &phrases, int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < N)
        slot = fromUtf8(phrases[static_cast<std::size_t>(index)]);
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setupControls();
    setupConnections();
    setupTabOrder();
    Form_Load();
}

void Form1::setupControls()
{
    setWindowTitle(fromUtf8(AppInfo::title));
    setWindowIcon(pngIcon(QStringLiteral(":/kwindel")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    for (std::size_t i = 0; i < pages.size(); ++i) {
        auto *frame = new QGroupBox(fromUtf8(pages[i].caption), this);
        frame->setObjectName(QStringLiteral("Frame(%1)").arg(i));
        frame->setGeometry(Twips::toPixels(pages[i].design));
        useClassicFrame(frame);
        Frame[i] = frame;
    }

    for (const Control &control : controls)
        addControl(control);

    bindArray(this, cmdPrevNext, "cmdPrevNext");
    bindArray(this, optHkleur, "optHkleur");
    bindArray(this, optDFeest, "optDFeest");
    bindArray(this, optKleur, "optKleur");
    bindArray(this, optHobby, "optHobby");
    bindArray(this, optWinkel, "optWinkel");
    bindArray(this, optStrand, "optStrand");
    bindArray(this, optThuis, "optThuis");
    cmdInfo = findChild<QPushButton *>(QStringLiteral("cmdInfo"));
    cmdprint = findChild<QPushButton *>(QStringLiteral("cmdprint"));
    cmdSave = findChild<QPushButton *>(QStringLiteral("cmdSave"));
    cmdEnd = findChild<QPushButton *>(QStringLiteral("cmdEnd"));
    cmbStad = findChild<QComboBox *>(QStringLiteral("cmbStad"));
    cmbMonth = findChild<QComboBox *>(QStringLiteral("cmbMonth"));
    txtAGeslacht = findChild<QLineEdit *>(QStringLiteral("txtAGeslacht"));
    txtNaam = findChild<QLineEdit *>(QStringLiteral("txtNaam"));

    for (std::string_view city : cityItems)
        cmbStad->addItem(fromUtf8(city));
    cmdPrevNext[1]->setEnabled(false);
}

QWidget *Form1::addControl(const Control &control)
{
    QWidget *parent = control.page == buttonRow ? static_cast<QWidget *>(this)
                                                : Frame[static_cast<std::size_t>(control.page)];
    QWidget *widget = createControl(control, parent);
    widget->setObjectName(controlName(control));
    widget->setGeometry(Twips::toPixels(control.box));
    if (control.kind == Kind::Option)
        static_cast<OptionButton *>(widget)->widenToCaption();
    // Screen readers announce a list or a text box together with its
    // question, the one label of its page.
    if (control.kind == Kind::Combo || control.kind == Kind::Text)
        parent->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly)->setBuddy(widget);
    if (control.tabIndex != noTab)
        m_tabStops.emplace_back(control.tabIndex, widget);
    return widget;
}

void Form1::setupConnections()
{
    for (std::size_t i = 0; i < cmdPrevNext.size(); ++i)
        connect(cmdPrevNext[i], &QPushButton::clicked, this, [this, i] { cmdPrevNext_Click(static_cast<qint16>(i)); });
    connect(cmdEnd, &QPushButton::clicked, this, &Form1::cmdEnd_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &Form1::cmdInfo_Click);
    connect(cmdSave, &QPushButton::clicked, this, &Form1::cmdSave_Click);
    connect(cmdprint, &QPushButton::clicked, this, &Form1::cmdprint_Click);

    // One handler per option array; it hears which element became selected.
    const auto connectOptions = [this](std::span<QRadioButton *const> buttons, void (Form1::*handler)(qint16)) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            connect(buttons[i], &QRadioButton::toggled, this, [this, handler, i](bool checked) {
                if (checked)
                    (this->*handler)(static_cast<qint16>(i));
            });
        }
        new OptionGroupKeys(buttons, this);
    };
    connectOptions(optHkleur, &Form1::optHkleur_Click);
    connectOptions(optDFeest, &Form1::optDFeest_Click);
    connectOptions(optKleur, &Form1::optKleur_Click);
    connectOptions(optHobby, &Form1::optHobby_Click);
    connectOptions(optWinkel, &Form1::optWinkel_Click);
    connectOptions(optStrand, &Form1::optStrand_Click);
    connectOptions(optThuis, &Form1::optThuis_Click);

    // A selection made from code records its phrase just as the user's does.
    connect(cmbStad, &QComboBox::currentIndexChanged, this, &Form1::cmbStad_Click);
    connect(cmbMonth, &QComboBox::currentIndexChanged, this, &Form1::cmbMonth_Click);
    connect(txtAGeslacht, &QLineEdit::textChanged, this, &Form1::txtAGeslacht_Change);
    connect(txtNaam, &QLineEdit::textChanged, this, &Form1::txtNaam_Change);
}

void Form1::setupTabOrder()
{
    std::ranges::stable_sort(m_tabStops, {}, &std::pair<int, QWidget *>::first);
    for (std::size_t i = 1; i < m_tabStops.size(); ++i)
        setTabOrder(m_tabStops[i - 1].second, m_tabStops[i].second);
}

void Form1::Form_Load()
{
    {
        // Filling the list is not a choice; Qt would report its automatic
        // selection of the first item as one.
        const QSignalBlocker quiet(cmbMonth);
        cmbMonth->clear();
        for (std::string_view month : monthItems)
            cmbMonth->addItem(fromUtf8(month));
    }
    setListIndex(cmbMonth, 0);
    setListIndex(cmbStad, 0);

    setFixedSize(clientSize);

    for (std::size_t i = 1; i != Frame.size(); ++i) {
        Frame[i]->move(Twips::toPixels(pageLeft), Twips::toPixels(pageTop));
        Frame[i]->hide();
    }
    CurrentPage = 0;
}

// A selection written from code is reported like the user's choice, also
// when that item was selected already.
void Form1::setListIndex(QComboBox *list, int index)
{
    if (list->currentIndex() == index)
        emit list->currentIndexChanged(index);
    else
        list->setCurrentIndex(index);
}

void Form1::cmdPrevNext_Click(qint16 Index)
{
    // Qt presses a button a moment after its access key; that click can
    // still arrive after a move has disabled the button.
    QPushButton *used = cmdPrevNext[static_cast<std::size_t>(Index)];
    if (!used->isEnabled())
        return;

    // The name checks only warn: the move goes on either way.
    if (!Frame[9]->isHidden())
        txtAGeslacht_Change();
    if (!Frame[10]->isHidden())
        txtNaam_Change();

    const auto count = static_cast<qint16>(Frame.size());
    if (CurrentPage < count - 1) {
        cmdPrevNext[0]->setEnabled(true);
        Frame[static_cast<std::size_t>(CurrentPage)]->hide();
        CurrentPage = static_cast<qint16>(Index == 0 ? CurrentPage + 1 : CurrentPage - 1);
        Frame[static_cast<std::size_t>(CurrentPage)]->show();
        cmdPrevNext[1]->setEnabled(CurrentPage != 0);
    } else {
        cmdPrevNext[0]->setEnabled(false);
    }
    // The focus stays in the button row, never on a control of a hidden page.
    (used->isEnabled() ? used : cmdPrevNext[static_cast<std::size_t>(1 - Index)])->setFocus();
}

void Form1::cmdEnd_Click()
{
    close();
}

void Form1::cmdInfo_Click()
{
    openInfoWindow(this);
}

void Form1::cmdSave_Click()
{
    RunEnd();
    Output::saveResultPage(this, txtNaam->text(), ResultText);
}

void Form1::cmdprint_Click()
{
    RunEnd();
    Output::printResult(this, txtNaam->text(), ResultText);
}

void Form1::optHkleur_Click(qint16 Index)
{
    record(m_answers.AnswerHairColour, Phrases::hairColour, Index);
}

void Form1::optDFeest_Click(qint16 Index)
{
    record(m_answers.AnswerDate, Phrases::date, Index);
}

void Form1::optKleur_Click(qint16 Index)
{
    record(m_answers.AnswerColour, Phrases::colour, Index);
}

void Form1::optHobby_Click(qint16 Index)
{
    record(m_answers.AnswerHobby, Phrases::hobby, Index);
}

void Form1::optWinkel_Click(qint16 Index)
{
    record(m_answers.AnswerShop, Phrases::shop, Index);
}

void Form1::optStrand_Click(qint16 Index)
{
    record(m_answers.AnswerBeach, Phrases::beach, Index);
}

void Form1::optThuis_Click(qint16 Index)
{
    record(m_answers.AnswerHome, Phrases::home, Index);
}

void Form1::cmbStad_Click()
{
    record(m_answers.AnswerCity, Phrases::city, cmbStad->currentIndex());
}

void Form1::cmbMonth_Click()
{
    record(m_answers.AnswerMonth, Phrases::month, cmbMonth->currentIndex());
}

void Form1::txtAGeslacht_Change()
{
    if (txtAGeslacht->text().isEmpty())
        Messages::show(this, fromUtf8(Phrases::otherNameMissing));
}

void Form1::txtNaam_Change()
{
    if (txtNaam->text().isEmpty())
        Messages::show(this, fromUtf8(Phrases::ownNameMissing));
}

void Form1::RunEnd()
{
    static const QString crlf = QStringLiteral("\r\n");
    const Answers &a = m_answers;
    ResultText = a.AnswerHairColour + crlf + a.AnswerDate + crlf + a.AnswerColour + crlf + a.AnswerHobby;
    ResultText = ResultText + crlf + a.AnswerCity + crlf + a.AnswerBeach + crlf + a.AnswerMonth;
    ResultText = ResultText + crlf + txtAGeslacht->text() + fromUtf8(Phrases::fallingInLove);
}
