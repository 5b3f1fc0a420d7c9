// Verbs from outside carried out on the program's windows: a window found by
// its I.D. and pressed through its handlers, a new window opened timing, and
// every refusal answered with its reason and nothing changed.
#include "remote.h"
#include "support/probe.h"

#include <QDialog>

using Kind = core::Verb::Kind;
using Status = platform::VerbAnswer::Status;
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Status)

namespace {

// Open windows "Tea" (its stopwatch running), "Oven" twice and "Idle", the
// last one active; and what the verbs then open.
struct Open {
    TestServices t;
    platform::NullTimingStore store;
    platform::TimingJournal journal{store};
    QStringList finished; // the I.D.s of the countdowns heard to finish
    std::vector<std::unique_ptr<frmStopwatch>> windows;
    RemoteWindows remote{t.services};

    Open() {
        t.services.journal = &journal;
        t.services.countdownFinished = [this](const QString& id) { finished << id; };
        for (const char* id : {"Tea", "Oven", "Oven", "Idle"}) {
            windows.push_back(t.window());
            frmStopwatchProbe(*windows.back())
                .control<QLineEdit>("Text1")
                ->setText(QString::fromUtf8(id));
            windows.back()->show();
        }
        tea().control<QPushButton>("cmdSWButton")->click();
        windows.back()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows.back().get()));
    }
    ~Open() {
        for (frmStopwatch* w : opened()) {
            delete w;
        }
    }
    Open(const Open&) = delete;
    Open& operator=(const Open&) = delete;

    [[nodiscard]] frmStopwatchProbe tea() const { return frmStopwatchProbe(*windows.front()); }
    // The windows a verb opened.
    [[nodiscard]] QList<frmStopwatch*> opened() const {
        QList<frmStopwatch*> found;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* w = qobject_cast<frmStopwatch*>(top);
            if (w != nullptr && std::none_of(windows.begin(), windows.end(),
                                             [w](const auto& own) { return own.get() == w; })) {
                found << w;
            }
        }
        return found;
    }
    [[nodiscard]] QStringList seen() const {
        QStringList all;
        for (const auto& w : windows) {
            all << snapshot(*w);
        }
        return all;
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
        QTest::newRow("no such window") << Kind::Press << "Nope"
                                        << "" << Status::NoSuchWindow << "'Nope'";
        QTest::newRow("shared I.D.") << Kind::Capture << "Oven"
                                     << "" << Status::Ambiguous << "2 windows";
        QTest::newRow("capture while idle") << Kind::Capture << "Idle"
                                            << "" << Status::NotNow << "capture";
        QTest::newRow("stop no countdown") << Kind::StopCountdown << "Tea"
                                           << "" << Status::NotNow << "'Tea'";
        QTest::newRow("length") << Kind::Countdown << ""
                                << "1,5" << Status::InvalidArgument << "1.5";
        QTest::newRow("NaN") << Kind::Countdown << ""
                             << "nan" << Status::InvalidArgument << "nan";
        QTest::newRow("long I.D.")
            << Kind::NewWindow << QString(10000, 'x') << "" << Status::InvalidArgument << "20";
        QTest::newRow("control") << Kind::Press << "Tea\t"
                                 << "" << Status::InvalidArgument << "control";
    }
    void refused() {
        QFETCH(Kind, kind);
        QFETCH(QString, id);
        QFETCH(QString, minutes);
        QFETCH(Status, status);
        QFETCH(QString, says);
        Open o;
        const QStringList before = o.seen();
        const platform::VerbAnswer answer = o.remote.perform({kind, id, minutes});
        QCOMPARE(answer.status, status);
        QVERIFY2(answer.message.contains(says), qPrintable(answer.message));
        QCOMPARE(o.seen(), before);
        QVERIFY(o.opened().isEmpty());
    }

    void pressed() {
        Open o;
        o.t.clock.advance(2);
        QCOMPARE(o.remote.perform({Kind::Capture, QStringLiteral(" Tea ")}).status, Status::Done);
        QCOMPARE(o.tea().control<QLineEdit>("txtSWTime1")->text(), "2.00");
        QCOMPARE(o.remote.perform({Kind::Press, QStringLiteral("Tea")}).status, Status::Done);
        QVERIFY(o.tea().state().blnSWStopped);
    }

    void opened_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("validate");
        QTest::addColumn<QString>("listed"); // in the program's own listing
        QTest::newRow("new window") << Kind::NewWindow << false << "";
        QTest::newRow("stopwatch") << Kind::Stopwatch << false << "\"stopwatch\"";
        QTest::newRow("countdown") << Kind::Countdown << false << "\"secondsLeft\":30";
        QTest::newRow("validated") << Kind::Countdown << true << "\"state\":\"running\"}";
    }
    void opened() {
        QFETCH(Kind, kind);
        QFETCH(bool, validate);
        QFETCH(QString, listed);
        Open o;
        QCOMPARE(o.remote.perform({kind, QStringLiteral("Lap"), QStringLiteral(" 0.5 "), validate})
                     .status,
                 Status::Done);
        QCOMPARE(o.opened().size(), 1);
        const frmStopwatchProbe p(*o.opened().front());
        QCOMPARE(p.control<QLineEdit>("Text1")->text(), "Lap");
        QCOMPARE(p.state().blnSWRunning, kind == Kind::Stopwatch || validate);
        QCOMPARE(p.timer("tmrCountdown")->isRunning(), kind == Kind::Countdown);
        QCOMPARE(p.control<QCheckBox>("chkCDCheck")->isChecked(), validate);
        const QString json = QString::fromUtf8(o.remote.list());
        QVERIFY2(json.contains("\"id\":\"Lap\"") == !listed.isEmpty(), qPrintable(json));
        QVERIFY2(json.contains(listed), qPrintable(json));
    }

    // Stopped from outside: finished and told on the bus, not notified; a
    // finish of its own later is.
    void stoppedQuietly() {
        Open o;
        const frmStopwatchProbe p = o.tea();
        p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("10"));
        p.control<QPushButton>("cmdCountdown")->click();
        QCOMPARE(o.remote.perform({Kind::StopCountdown, QStringLiteral("Tea")}).status,
                 Status::Done);
        o.t.clock.advance(1);
        QVERIFY(p.tick("tmrCountdown"));
        QCOMPARE(p.control<QLineEdit>("txtCountdown")->text(), "DONE");
        QCOMPARE(o.finished, QStringList{"Tea"});
        QVERIFY(o.t.notifications.shown.empty());
        p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("0"));
        p.control<QPushButton>("cmdCountdown")->click();
        o.t.clock.advance(1);
        QVERIFY(p.tick("tmrCountdown"));
        QCOMPARE(o.t.notifications.shown.size(), std::size_t{1});
    }

    void busyWhileAModalBoxIsOpen() {
        Open o;
        QDialog box;
        box.setModal(true);
        box.show();
        const QStringList before = o.seen();
        const platform::VerbAnswer answer = o.remote.perform({Kind::Press, QStringLiteral("Tea")});
        QCOMPARE(answer.status, Status::Busy);
        QCOMPARE(o.seen(), before);
        QCOMPARE(o.remote.perform({Kind::Stopwatch}).status, Status::Busy);
        QVERIFY(o.opened().isEmpty());
    }
};

QTEST_MAIN(TestRemote)
#include "test_remote.moc"
