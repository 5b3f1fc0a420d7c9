// The places other Horolux processes just gave their windows: seen while
// fresh and while their process lives, kept for the others, and nothing
// believed of a file that does not read.
#include "platform/placementclaims.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestPlacementClaims : public QObject {
    Q_OBJECT
    QProcess other_; // a live process that is not this one
    QTemporaryDir dir_;

    [[nodiscard]] QString file() const {
        return dir_.filePath(QStringLiteral("horolux/placements"));
    }

private slots:
    void initTestCase() {
        other_.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(other_.waitForStarted());
    }
    void cleanupTestCase() {
        other_.kill();
        other_.waitForFinished();
    }
    void init() { QFile::remove(file()); }

    void claims_data() {
        QTest::addColumn<QString>("line"); // pid, age in ms, frame; OTHER and SELF stand for pids
        QTest::addColumn<bool>("seen");
        QTest::newRow("another live process, just now") << "OTHER 10 40 50 300 200" << true;
        QTest::newRow("this process: its windows are known") << "SELF 10 40 50 300 200" << false;
        QTest::newRow("a process that ended") << "999999999 10 40 50 300 200" << false;
        QTest::newRow("long ago: on the screen by now") << "OTHER 6000 40 50 300 200" << false;
        QTest::newRow("in the future") << "OTHER -60000 40 50 300 200" << false;
        QTest::newRow("no size") << "OTHER 10 40 50 0 200" << false;
        QTest::newRow("not numbers") << "OTHER 10 forty 50 300 200" << false;
        QTest::newRow("a field missing") << "OTHER 10 40 50 300" << false;
    }
    void claims() {
        QFETCH(QString, line);
        line.replace(QStringLiteral("OTHER"), QString::number(other_.processId()))
            .replace(QStringLiteral("SELF"), QString::number(QCoreApplication::applicationPid()));
        QStringList f = line.split(QLatin1Char(' '));
        f[1] = QString::number(QDateTime::currentMSecsSinceEpoch() - f[1].toLongLong());
        QVERIFY(QDir().mkpath(dir_.filePath(QStringLiteral("horolux"))));
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(f.join(QLatin1Char(' ')).toLatin1() + "\nnonsense\n");
        out.close();

        QList<QRect> given;
        const QRect mine(400, 60, 300, 200);
        QCOMPARE(platform::placeClaimed(file(),
                                        [&](const QList<QRect>& claimed) {
                                            given = claimed;
                                            return mine;
                                        }),
                 mine);
        QFETCH(bool, seen);
        QCOMPARE(given, seen ? QList<QRect>{QRect(40, 50, 300, 200)} : QList<QRect>{});
        // This process's claim is kept for the others, and a second window of
        // it still sees what it saw.
        QList<QRect> again;
        platform::placeClaimed(file(), [&](const QList<QRect>& claimed) {
            again = claimed;
            return QRect(0, 0, 1, 1);
        });
        QCOMPARE(again, given);
        QFile back(file());
        QVERIFY(back.open(QIODevice::ReadOnly));
        QVERIFY(back.readAll().contains(" 400 60 300 200\n"));
    }

    // No runtime folder: nothing shared, and the window is still placed.
    void noFile() {
        int calls = 0;
        QCOMPARE(platform::placeClaimed(QString(),
                                        [&](const QList<QRect>& claimed) {
                                            ++calls;
                                            return claimed.isEmpty() ? QRect(1, 2, 3, 4) : QRect();
                                        }),
                 QRect(1, 2, 3, 4));
        QCOMPARE(calls, 1);
    }
};

QTEST_GUILESS_MAIN(TestPlacementClaims)
#include "test_placementclaims.moc"
