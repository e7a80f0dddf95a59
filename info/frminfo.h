#pragma once

#include <QDate>
#include <QWidget>

#include <array>
#include <functional>

class EventFrame;
class EventLabel;
class QLabel;
class QPushButton;
class QTimer;

// The info window: title, notes, contact links and program data. Loading
// it is constructing it and calling Form_Load(); closing it deletes it.
class frminfo : public QWidget
{
    Q_OBJECT
public:
    explicit frminfo(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(frminfo)

    // Where Form_Load reads today's date; tests set their own. An empty
    // clock is the system's. Returns the previous one.
    using Clock = std::function<QDate()>;
    static Clock setClock(Clock clock);

    // Centres the window on its screen; done when it is loaded.
    void placeCentred();

    // The window's event handlers.
    void Form_Load();
    void Form_Activate();
    void cmdback_Click();
    void cmdsystem_Click();
    void lblsite_MouseMove(int index);
    void lblsite_Click(int index);
    void lblmail_MouseMove();
    void lblmail_Click();
    void Frame1_MouseMove();
    void tmrtitlescrl_Timer();

    // lblproduct's left edge in twips, as the scroller keeps it.
    float lblproductLeft() const { return m_lblproductLeft; }

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setupWindow();
    void setupLabels();
    void setupContactFrame();
    void setupProgramFrame();
    void setupButtons();
    void setupTimer();
    void moveLblproduct(float left);
    float scaleWidth() const;
    float outerWidth() const;

    QLabel *lblproduct = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblComments = nullptr;
    EventFrame *Frame1 = nullptr;
    std::array<EventLabel *, 2> lblsite{};
    EventLabel *lblmail = nullptr;
    QWidget *Frame2 = nullptr;
    QLabel *lblversion = nullptr;
    QLabel *lbluse = nullptr;
    QLabel *lblware = nullptr;
    QLabel *Label4 = nullptr;
    QPushButton *cmdsystem = nullptr;
    QPushButton *cmdcdpc = nullptr;
    QPushButton *cmdback = nullptr;
    QTimer *tmrtitlescrl = nullptr;
    float m_lblproductLeft = 0;
};
