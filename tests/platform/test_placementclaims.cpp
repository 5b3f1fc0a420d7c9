// The places other Horolux processes just gave their windows: seen while
// fresh and while their process lives, kept for the others, and nothing
// believed of a file that does not read.
#include "platform/placementclaims.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestPlacementClaims : public QObject {
    Q_OBJECT
    QProcess other_; // a live process that is not this one
    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        other_.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(other_.waitForStarted());
    }
    void cleanupTestCase() {
        other_.kill();
        other_.waitForFinished();
    }

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
        QTest::newRow("no runtime folder: nothing shared") << "" << false;
    }
    void claims() {
        QFETCH(QString, line);
        QFETCH(bool, seen);
        QStringList f = line.replace(QStringLiteral("OTHER"), QString::number(other_.processId()))
                            .replace(QStringLiteral("SELF"),
                                     QString::number(QCoreApplication::applicationPid()))
                            .split(QLatin1Char(' '));
        if (f.size() > 1) {
            f[1] = QString::number(QDateTime::currentMSecsSinceEpoch() - f[1].toLongLong());
        }
        const QString file = line.isEmpty() ? QString() : dir_.filePath(QTest::currentDataTag());
        QFile out(file);
        QVERIFY(file.isEmpty() || out.open(QIODevice::WriteOnly));
        out.write(f.join(QLatin1Char(' ')).toLatin1() + "\nnonsense\n");
        out.close();
        // Twice: this process's first claim is kept for the others, and the
        // second window still sees what the first saw.
        for (const QRect mine : {QRect(400, 60, 300, 200), QRect(0, 0, 1, 1)}) {
            QList<QRect> given;
            QCOMPARE(platform::placeClaimed(file,
                                            [&](const QList<QRect>& claimed) {
                                                given = claimed;
                                                return mine;
                                            }),
                     mine);
            QCOMPARE(given, seen ? QList<QRect>{QRect(40, 50, 300, 200)} : QList<QRect>{});
        }
        QFile back(file);
        QVERIFY(file.isEmpty() ||
                (back.open(QIODevice::ReadOnly) && back.readAll().contains(" 400 60 300 200\n")));
    }
};

QTEST_GUILESS_MAIN(TestPlacementClaims)
#include "test_placementclaims.moc"
