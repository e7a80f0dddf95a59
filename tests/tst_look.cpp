#include "support/kwindeltest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QRegularExpression>

// Both windows as drawn, against reference images that were looked at
// zoomed in (every letter crisp, every text within its box), also at
// QT_SCALE_FACTOR=2, whose references are the @2x files.
class LookTest : public QObject
{
    Q_OBJECT

    static QString scaled(QString name)
    {
        return qEnvironmentVariable("QT_SCALE_FACTOR", "1") == "1" ? name : name.insert(name.lastIndexOf(u'.'), "@2x");
    }
    static void look(QWidget *widget, const QString &name) { compareGolden(widget->grab().toImage(), scaled(name)); }

private slots:
    void initTestCase() { frminfo::setClock([] { return QDate(2026, 12, 7); }); }

    void mainWindowPagesAndLists()
    {
        Quiz quiz;
        QCOMPARE(quiz.form->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
        for (int page = 0; page < 12; ++page) {
            look(quiz.form.get(), QStringLiteral("form1-page%1.png").arg(page + 1));
            forward(*quiz.form);
        }
        for (const char *name : {"cmbStad", "cmbMonth"}) {
            auto *list = control<QComboBox>(quiz.form.get(), QLatin1String(name));
            list->showPopup();
            look(list->view(), QStringLiteral("%1-list.png").arg(QLatin1String(name)));
            list->hidePopup();
        }
    }

    // Where every control of both windows is, also where nothing is drawn.
    void infoWindowAndPlaces()
    {
        Quiz quiz;
        click(quiz.form.get(), "cmdInfo");
        frminfo *info = shownInfoWindow();
        QVERIFY(info);
        look(info, "frminfo.png");
        QByteArray places;
        for (const QWidget *window : {static_cast<QWidget *>(quiz.form.get()), static_cast<QWidget *>(info)})
            for (const QWidget *widget : window->findChildren<QWidget *>(QRegularExpression("^[A-Za-z]")))
                places += QStringLiteral("%1 %2,%3 %4x%5\n").arg(widget->objectName()).arg(widget->x()).arg(widget->y())
                              .arg(widget->width()).arg(widget->height()).toUtf8();
        compareGolden(places, scaled("places.txt"));
    }
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
