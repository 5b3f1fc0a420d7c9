// What a timer window's dialogs say, without the window: the Help text, the
// question before a window that is timing closes (in the states the models'
// actions reach), the answers to "Set Your Clock", and the button a box
// answers when dismissed.
#include "core/countdown.h"
#include "core/errors.h"
#include "core/stopwatch.h"
#include "core/windowdialogs.h"
#include "support/fakeclock.h"
#include "support/models.h"
#include "support/recordingclocksetter.h"

#include <QDateTime>
#include <QTest>

#include <ctime>
#include <new>
#include <optional>
#include <stdexcept>

using namespace core;

namespace {

const Message kTimingWarning{
    "Timing in progress!\r\n\r\nIf you change the clock now.....\r\nyour results will be "
    "incorrect!!",
    64, "Hey!!"};
const Message kExitQuestion{"Do you wish to exit?", 292, "Timing in progress !!"};
const std::string kNotChanged = "The clock was not changed.\r\n";

Date dateOf(const QString& isoUtc) {
    return dateFromUnixSeconds(
        static_cast<double>(QDateTime::fromString(isoUtc, Qt::ISODate).toSecsSinceEpoch()));
}

// A box as text, so that a failed comparison shows it; "none" for no box.
QString shown(const std::optional<Message>& box) {
    if (!box) {
        return QStringLiteral("none");
    }
    return QStringLiteral("%1 | %2 | %3")
        .arg(QString::fromStdString(box->title))
        .arg(box->style)
        .arg(QString::fromStdString(box->prompt));
}

QStringList asked(const RecordingClockSetter& setter) {
    QStringList instants;
    for (std::int64_t us : setter.calls) {
        instants << QDateTime::fromMSecsSinceEpoch(us / 1000, Qt::UTC).toString(Qt::ISODate);
    }
    return instants;
}

} // namespace

class TestWindowDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Summer time, and a local date that differs from the UTC date for
        // five hours every evening: the date kept must be the local one.
        qputenv("TZ", "EST5EDT,M3.2.0,M11.1.0");
        tzset();
    }

    // The Help text word for word, in a plain box titled "Help".
    void help() {
        const Message box = helpMessage();
        QCOMPARE(box.title, "Help");
        QCOMPARE(box.style, 0);

        const QString help = QString::fromStdString(box.prompt);
        QCOMPARE(help.size(), 901);
        const QStringList paragraphs = help.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.size(), 5);
        const int lengths[] = {349, 192, 140, 92, 112};
        const char* const openings[] = {"Stopwatch and countdown accuracy", "You can set your",
                                        "You can validate", "If the machine's clock",
                                        "FYI...there are 86400"};
        for (int i = 0; i < 5; ++i) {
            const QString& paragraph = paragraphs.at(i);
            QCOMPARE(paragraph.size(), lengths[i]);
            QVERIFY(paragraph.startsWith(QLatin1String(openings[i])));
            QVERIFY(!paragraph.contains(QLatin1Char('\r')) &&
                    !paragraph.contains(QLatin1Char('\n')));
            QVERIFY(!paragraph.contains(QStringLiteral("  ")));
        }
        // The dots and blanks as they stand.
        for (const char* exact :
             {"(usually by not more than a second.....or less).",
              "such as 13:09 , 1:09 PM or 1:09. If", "will appear......try again.",
              "results will be wrong!", "these seconds at midnight."}) {
            QVERIFY2(help.contains(QLatin1String(exact)), exact);
        }
    }

    // Asked only while the stopwatch runs or a countdown is under way, each
    // state reached by the models' own actions.
    void closeQuestion_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("asked");
        QTest::newRow("after load") << "after load" << false;
        QTest::newRow("stopwatch running") << "running" << true;
        QTest::newRow("stopwatch stopped") << "stopped" << false;
        QTest::newRow("stopwatch converted") << "converted" << false;
        QTest::newRow("stopwatch reset") << "reset" << false;
        QTest::newRow("counting down") << "counting down" << true;
        QTest::newRow("countdown stopped, before its tick") << "stop pressed" << true;
        QTest::newRow("countdown done") << "countdown done" << false;
        QTest::newRow("length refused") << "refused" << false;
        QTest::newRow("validated, length refused: the stopwatch runs on")
            << "validated refused" << true;
        QTest::newRow("validated countdown running") << "validated" << true;
        QTest::newRow("validated countdown done") << "validated done" << false;
    }
    void closeQuestion() {
        QFETCH(QString, situation);
        QFETCH(bool, asked);
        TimerModels m;
        using Length = Countdown::Length;
        if (situation == "running") {
            QCOMPARE(m.stopwatch.press(), Stopwatch::Step::Start);
        } else if (situation == "stopped" || situation == "converted" || situation == "reset") {
            const int presses = situation == "stopped" ? 2 : situation == "converted" ? 3 : 4;
            for (int i = 0; i < presses; ++i) {
                m.clock.advance(1.5);
                QVERIFY(m.stopwatch.press() != Stopwatch::Step::None);
            }
        } else if (situation == "counting down") {
            QVERIFY(m.countFrom("10") == Length::Started);
        } else if (situation == "stop pressed") {
            QVERIFY(m.countFrom("10") == Length::Started);
            m.countdown.stop();
        } else if (situation == "countdown done") {
            QVERIFY(m.countFrom(".25") == Length::Started);
            m.clock.advance(15);
            QVERIFY(m.cdTick());
            QCOMPARE(*m.view.cdTime, "DONE");
        } else if (situation == "refused") {
            QVERIFY(m.countFrom("-5") == Length::Negative);
        } else if (situation.startsWith("validated")) {
            m.view.validateTicked.read(true);
            const bool refused = situation == "validated refused";
            QVERIFY(m.countFrom(refused ? "1441" : ".25") ==
                    (refused ? Length::TooLong : Length::Started));
            QVERIFY(m.state.blnSWRunning);
            if (situation == "validated done") {
                m.clock.advance(15);
                QVERIFY(m.cdTick());
                QVERIFY(m.state.blnSWStopped);
            }
        }
        const std::optional<Message> question = core::closeQuestion(m.state);
        QCOMPARE(question.has_value(), asked);
        if (asked) {
            QCOMPARE(shown(question), shown(kExitQuestion));
        }
    }

    // Either timer of the window running refuses the change, whatever the text.
    void guard_data() {
        QTest::addColumn<bool>("stopwatchTicks");
        QTest::addColumn<bool>("countdownTicks");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("idle") << false << false << "13:09" << false;
        QTest::newRow("stopwatch") << true << false << "13:09" << true;
        QTest::newRow("stopwatch, no time") << true << false << "abc" << true;
        QTest::newRow("countdown, empty") << false << true << "" << true;
        QTest::newRow("countdown") << false << true << "1:09" << true;
        QTest::newRow("both") << true << true << "13:09" << true;
    }
    void guard() {
        QFETCH(bool, stopwatchTicks);
        QFETCH(bool, countdownTicks);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        RecordingClockSetter setter;
        const std::optional<Message> answer = setYourClock(stopwatchTicks, countdownTicks, text,
                                                           dateOf("2026-03-02T00:00:00Z"), setter);
        QCOMPARE(shown(answer),
                 shown(refused ? std::optional<Message>(kTimingWarning) : std::nullopt));
        QCOMPARE(setter.calls.size(), std::size_t{refused ? 0U : 1U});
    }

    // What reaches the clock, or the box that answers instead.
    void entries_data() {
        QTest::addColumn<QString>("wall"); // the computer's clock, UTC
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal"); // what the system answers; empty: it sets
        QTest::addColumn<QString>("setTo");   // UTC; empty: the clock is not asked
        QTest::addColumn<QString>("prompt");  // empty: no box
        const QString wall = QStringLiteral("2026-03-02T00:00:00Z");
        const QString sync = QStringLiteral(
            "Automatic time synchronization is on; turn it off in the system settings first.");
        const QString notChanged = QString::fromStdString(kNotChanged);
        QTest::newRow("13:09") << wall << "13:09"
                               << ""
                               << "2026-03-01T18:09:00Z"
                               << "";
        QTest::newRow("1:09 PM") << wall << "1:09 PM"
                                 << ""
                                 << "2026-03-01T18:09:00Z"
                                 << "";
        QTest::newRow("1:09") << wall << "1:09"
                              << ""
                              << "2026-03-01T06:09:00Z"
                              << "";
        for (const char* invalid : {"", "abc", "25:00", "12:60"}) {
            QTest::addRow("invalid \"%s\"", invalid) << wall << invalid << ""
                                                     << ""
                                                     << "Invalid entry!!";
        }
        QTest::newRow("time synchronisation on")
            << wall << "13:09" << sync << "2026-03-01T18:09:00Z" << notChanged + sync;
        QTest::newRow("time skipped today")
            << "2026-03-08T12:00:00Z"
            << "2:30"
            << ""
            << "" << notChanged + "That time does not occur today: the clocks go forward past it.";
    }
    void entries() {
        QFETCH(QString, wall);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        QFETCH(QString, setTo);
        QFETCH(QString, prompt);
        RecordingClockSetter setter;
        setter.refusal = refusal.toStdString();
        const std::optional<Message> answer =
            setYourClock(false, false, text, dateOf(wall), setter);
        QCOMPARE(asked(setter), setTo.isEmpty() ? QStringList() : QStringList{setTo});
        QCOMPARE(shown(answer), prompt.isEmpty()
                                    ? shown(std::nullopt)
                                    : shown(Message{prompt.toStdString(), 48, "Tick Tock!!"}));
    }

    // Only the runtime's own errors become a box: the numbered errors are an
    // invalid entry, a refusal gives its reason. Anything else (a fault, or
    // no memory left) comes out as it is instead of posing as a bad entry.
    void errorsFromTheSetter_data() {
        QTest::addColumn<QString>("thrown");
        QTest::addColumn<QString>("prompt"); // empty: the error comes out
        QTest::newRow("numbered error") << "RuntimeError"
                                        << "Invalid entry!!";
        QTest::newRow("refusal") << "ClockNotSet"
                                 << QString::fromStdString(kNotChanged) + "No, not now.";
        QTest::newRow("out of memory") << "bad_alloc"
                                       << "";
        QTest::newRow("a fault") << "logic_error"
                                 << "";
        QTest::newRow("another runtime_error") << "runtime_error"
                                               << "";
    }
    void errorsFromTheSetter() {
        QFETCH(QString, thrown);
        QFETCH(QString, prompt);
        RecordingClockSetter setter;
        setter.whileSetting = [thrown] {
            if (thrown == "RuntimeError") {
                raise(ErrorNumber::Overflow);
            } else if (thrown == "ClockNotSet") {
                throw ClockNotSet("No, not now.");
            } else if (thrown == "bad_alloc") {
                throw std::bad_alloc();
            } else if (thrown == "logic_error") {
                throw std::logic_error("a fault");
            }
            throw std::runtime_error("something else");
        };
        QString cameOut;
        std::optional<Message> answer;
        try {
            answer = setYourClock(false, false, u"13:09", dateOf("2026-03-02T00:00:00Z"), setter);
        } catch (const std::bad_alloc&) {
            cameOut = "bad_alloc";
        } catch (const std::logic_error&) {
            cameOut = "logic_error";
        } catch (const std::runtime_error&) {
            cameOut = "runtime_error";
        }
        QCOMPARE(setter.calls.size(), std::size_t{1});
        if (prompt.isEmpty()) {
            QCOMPARE(cameOut, thrown);
        } else {
            QCOMPARE(cameOut, QString());
            QCOMPARE(shown(answer), shown(Message{prompt.toStdString(), 48, "Tick Tock!!"}));
        }
    }

    // The button a box answers when dismissed without a choice.
    void defaultAnswer_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK only") << MsgBoxStyle::OkOnly << MsgBoxResult::Ok;
        QTest::newRow("Yes/No, question, No the default") << 292 << MsgBoxResult::No;
        QTest::newRow("Yes/No, question")
            << MsgBoxStyle::YesNo + MsgBoxStyle::Question << MsgBoxResult::Yes;
        QTest::newRow("information") << MsgBoxStyle::Information << MsgBoxResult::Ok;
    }
    void defaultAnswer() {
        QFETCH(int, style);
        QFETCH(int, answer);
        QCOMPARE(core::defaultAnswer(style), answer);
    }
};

QTEST_GUILESS_MAIN(TestWindowDialogs)
#include "test_windowdialogs.moc"
