// The laps window through the real timer window: F9 opens it, it follows the
// run (three captures and a stop: four laps; the reset: none), marks the
// fastest and the slowest lap in words, copies, saves, and closes with the
// timer window. The lap arithmetic is tested in tests/core/test_laps.cpp.
#include "support/probe.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

class TestLaps : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void followsTheRun() {
        auto s = std::make_unique<ActiveWindow>();
        s->p.control<QLineEdit>("Text1")->setText(QStringLiteral("Oven"));
        auto* button = s->p.control<QPushButton>("cmdSWButton");
        button->click();
        for (const double lap : {10.0, 15.0, 5.0}) {
            s->t.clock.advance(lap);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        }
        s->t.clock.advance(12.0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QPointer<QWidget> laps = s->p.control("frmLaps");
        QVERIFY(laps != nullptr && laps->isVisible());
        QCOMPARE(laps->windowTitle(), "Laps - Oven");
        auto* view = laps->findChild<QTableView*>("tblLaps");
        const QAbstractItemModel* model = view->model();
        QCOMPARE(model->rowCount(), 3);
        button->click(); // the stop adds the last lap: four rows below
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            rows << model->index(r, 0).data().toString() + '|' +
                        model->index(r, 0).data(Qt::AccessibleTextRole).toString();
        }
        QCOMPARE(rows, QStringList({"1|Lap 1: lap time 10.00, split 10.00",
                                    "2 (slowest)|Lap 2 (slowest): lap time 15.00, split 25.00",
                                    "3 (fastest)|Lap 3 (fastest): lap time 5.00, split 30.00",
                                    "4|Lap 4: lap time 12.00, split 42.00"}));

        view->selectRow(2);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "Lap\tLap time\tSplit\n3\t5.00\t30.00\n");

        QTemporaryDir dir;
        for (const QString& name : {dir.filePath("laps.csv"), dir.filePath("none/laps.csv")}) {
            s->t.dialogs.saveAs = name;
            laps->findChild<QPushButton*>("cmdSaveLaps")->click();
        }
        QFile saved(dir.filePath("laps.csv"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArrayList lines = saved.readAll().split('\n');
        QVERIFY(lines[0].startsWith("# run started 20") && lines[0].endsWith("Z"));
        QCOMPARE(lines.mid(1, 3), QByteArrayList({"lap,lap_seconds,split_seconds", "1,10.00,10.00",
                                                  "2,15.00,25.00"}));
        QCOMPARE(s->t.dialogs.boxes().size(), std::size_t{1}); // the failed save, and why
        QVERIFY(QString::fromStdString(s->t.dialogs.boxes()[0].prompt).contains("none/laps.csv"));

        button->click(); // H:MM:SS
        button->click(); // the reset
        QCOMPARE(model->rowCount(), 0);
        s.reset();
        QVERIFY(laps == nullptr);
    }
};

QTEST_MAIN(TestLaps)
#include "test_laps.moc"
