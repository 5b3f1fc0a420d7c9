// Verbs from outside carried out on the program's windows: a window found by
// its I.D. and pressed through its handlers, and every refusal answered with
// its reason and nothing changed. (New windows: app/remote.py, on the bus.)
#include "remote.h"
#include "support/probe.h"

#include <QDialog>

using Kind = core::Verb::Kind;
using Status = platform::VerbAnswer::Status;
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Status)

namespace {

// Open windows "Tea" (its stopwatch running), "Oven" twice and "Idle", the
// last one active.
struct Open {
    TestServices t;
    QStringList finished; // the I.D.s of the countdowns heard to finish
    std::vector<std::unique_ptr<frmStopwatch>> windows;
    RemoteWindows remote{t.services};

    Open() {
        t.services.countdownFinished = [this](const QString& id) { finished << id; };
        for (const char* id : {"Tea", "Oven", "Oven", "Idle"}) {
            windows.push_back(t.window());
            frmStopwatchProbe(*windows.back()).control<QLineEdit>("Text1")->setText(id);
            windows.back()->show();
        }
        tea().control<QPushButton>("cmdSWButton")->click();
        windows.back()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows.back().get()));
    }
    [[nodiscard]] frmStopwatchProbe tea() const { return frmStopwatchProbe(*windows.front()); }
    // What the user sees of every window, and how many there are.
    [[nodiscard]] QStringList seen() const {
        QStringList all;
        for (const auto& w : windows) {
            all << snapshot(*w);
        }
        return all << QString::number(QApplication::topLevelWidgets().size());
    }
};

} // namespace

class TestRemote : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void refused_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QString>("says");
        const auto row = [](const char* name, Kind kind, const QString& id, const char* minutes,
                            Status status, const char* says) {
            QTest::newRow(name) << kind << id << minutes << status << says;
        };
        row("no such window", Kind::Press, "Nope", "", Status::NoSuchWindow, "'Nope'");
        row("shared I.D.", Kind::Capture, "Oven", "", Status::Ambiguous, "2 windows");
        row("capture while idle", Kind::Capture, "Idle", "", Status::NotNow, "capture");
        row("no countdown", Kind::StopCountdown, "Tea", "", Status::NotNow, "'Tea'");
        row("escape", Kind::Countdown, "", "\x1b[2J", Status::InvalidArgument, "'?[2J'");
        row("21 characters", Kind::NewWindow, QString(21, 'x'), "", Status::InvalidArgument, "20");
        row("control", Kind::Stopwatch, "a\nb", "", Status::InvalidArgument, "control");
        row("a message box open", Kind::Press, "Tea", "", Status::Busy, "answer it");
    }
    void refused() {
        QFETCH(Kind, kind);
        QFETCH(QString, id);
        QFETCH(QString, minutes);
        QFETCH(Status, status);
        QFETCH(QString, says);
        Open o;
        QDialog box; // modal while open: a click would run inside its handler
        box.setModal(true);
        box.setVisible(status == Status::Busy);
        const QStringList before = o.seen();
        const platform::VerbAnswer answer = o.remote.perform({kind, id, minutes});
        QCOMPARE(answer.status, status);
        QVERIFY2(answer.message.contains(says), qPrintable(answer.message));
        QCOMPARE(o.seen(), before);
    }

    // As clicks: the capture, the stopwatch's button, and the countdown's
    // stop, whose finish is told on the bus but not notified, where a finish
    // of its own later is.
    void acted() {
        Open o;
        const frmStopwatchProbe p = o.tea();
        o.t.clock.advance(2);
        QCOMPARE(o.remote.perform({Kind::Capture, QStringLiteral(" Tea ")}).status, Status::Done);
        QCOMPARE(p.control<QLineEdit>("txtSWTime1")->text(), "2.00");
        QCOMPARE(o.remote.perform({Kind::Press, QStringLiteral("Tea")}).status, Status::Done);
        QVERIFY(p.state().blnSWStopped);
        for (const char* minutes : {"10", "0"}) {
            p.control<QComboBox>("cmbMinutes")->setEditText(QString::fromLatin1(minutes));
            p.control<QPushButton>("cmdCountdown")->click();
            if (o.finished.isEmpty()) {
                QCOMPARE(o.remote.perform({Kind::StopCountdown, QStringLiteral("Tea")}).status,
                         Status::Done);
            }
            o.t.clock.advance(1);
            QVERIFY(p.tick("tmrCountdown"));
            QCOMPARE(p.control<QLineEdit>("txtCountdown")->text(), "DONE");
            QCOMPARE(o.t.notifications.shown.size(), std::size_t(o.finished.size() - 1));
        }
        QCOMPARE(o.finished, (QStringList{"Tea", "Tea"}));
    }
};

QTEST_MAIN(TestRemote)
#include "test_remote.moc"
