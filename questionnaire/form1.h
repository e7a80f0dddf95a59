#pragma once

#include <QWidget>

#include <array>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Form1Layout {
struct Control;
}

// The main window: twelve stacked question pages, the button row beneath
// them and the answers the user has given so far.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(Form1)

    // One phrase per question, empty until chosen (city and month are
    // chosen at load).
    struct Answers {
        QString AnswerHairColour;
        QString AnswerDate;
        QString AnswerColour;
        QString AnswerHobby;
        QString AnswerShop;
        QString AnswerBeach;
        QString AnswerHome;
        QString AnswerCity;
        QString AnswerMonth;
    };

    qint16 currentPage() const { return CurrentPage; }
    const QString &resultText() const { return ResultText; }

    // Rebuilds the eight-line result from the answers and the other-sex name.
    void RunEnd();

private:
    void setupControls();
    QWidget *addControl(const Form1Layout::Control &control);
    void setupConnections();
    void setupTabOrder();
    void setListIndex(QComboBox *list, int index);

    void Form_Load();
    void cmdPrevNext_Click(qint16 Index);
    void cmdEnd_Click();
    void cmdInfo_Click();
    void cmdSave_Click();
    void cmdprint_Click();

    void optHkleur_Click(qint16 Index);
    void optDFeest_Click(qint16 Index);
    void optKleur_Click(qint16 Index);
    void optHobby_Click(qint16 Index);
    void optWinkel_Click(qint16 Index);
    void optStrand_Click(qint16 Index);
    void optThuis_Click(qint16 Index);
    void cmbStad_Click();
    void cmbMonth_Click();
    void txtAGeslacht_Change();
    void txtNaam_Change();

    qint16 CurrentPage = 0;
    Answers m_answers;
    QString ResultText;

    std::array<QGroupBox *, 12> Frame{};
    std::array<QPushButton *, 2> cmdPrevNext{};
    QPushButton *cmdInfo = nullptr;
    QPushButton *cmdprint = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdEnd = nullptr;
    QComboBox *cmbStad = nullptr;
    QComboBox *cmbMonth = nullptr;
    QLineEdit *txtAGeslacht = nullptr;
    QLineEdit *txtNaam = nullptr;

    // The option-button arrays, by their names on the pages.
    std::array<QRadioButton *, 2> optHkleur{};
    std::array<QRadioButton *, 4> optDFeest{};
    std::array<QRadioButton *, 4> optKleur{};
    std::array<QRadioButton *, 3> optHobby{};
    std::array<QRadioButton *, 2> optWinkel{};
    std::array<QRadioButton *, 2> optStrand{};
    std::array<QRadioButton *, 2> optThuis{};

    // Every control that holds a tab number, for the tab order.
    std::vector<std::pair<int, QWidget *>> m_tabStops;
};
