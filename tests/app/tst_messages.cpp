#include "appidentity.h"
#include "messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMessages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationIdentity(); }
    void boxHasOkOnlyNoIconAndTheTitle();
    void showWaitsUntilTheUserClosesTheBox();
};

void TestMessages::boxHasOkOnlyNoIconAndTheTitle()
{
    std::unique_ptr<QMessageBox> box(Messages::createBox(nullptr, QStringLiteral("Vul uw naam in!")));
    QCOMPARE(box->windowTitle(), QStringLiteral("Kwindel"));
    QCOMPARE(box->text(), QStringLiteral("Vul uw naam in!"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
}

void TestMessages::showWaitsUntilTheUserClosesTheBox()
{
    QString seen;
    QTimer::singleShot(0, this, [&seen] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        seen = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    Messages::show(nullptr, QStringLiteral("Vul een naam in!"));
    QCOMPARE(seen, QStringLiteral("Vul een naam in!"));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
