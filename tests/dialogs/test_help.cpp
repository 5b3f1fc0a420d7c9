// The Help menu item: its text, and the box it is shown in.
#include "support/probe.h"

#include <QAction>
#include <QMessageBox>
#include <QTimer>

namespace {

// Finds the application-modal message box once it is up, hands it to `look`,
// then closes it with Enter.
void whenBoxShows(const std::function<void(QMessageBox*)>& look) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, look] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        look(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    poll->start(10);
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void text() {
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        p.control<QAction>("mnuHelp")->trigger();
        QCOMPARE(t.dialogs.boxes().size(), std::size_t{1});
        const runtime::ScriptedDialogs::Box& box = t.dialogs.boxes().front();
        QCOMPARE(box.title, "Help");
        QCOMPARE(box.style, 0);

        const QString& help = box.prompt;
        QCOMPARE(help.size(), 901);
        const QStringList paragraphs = help.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.size(), 5);
        const QList<int> lengths = {349, 192, 140, 92, 112};
        const QStringList opening = {"Stopwatch and countdown accuracy", "You can set your",
                                     "You can validate", "If the machine's clock",
                                     "FYI...there are 86400"};
        for (int i = 0; i < 5; ++i) {
            const QString& paragraph = paragraphs.at(i);
            QCOMPARE(paragraph.size(), lengths.at(i));
            QVERIFY(paragraph.startsWith(opening.at(i)));
            QVERIFY(!paragraph.contains(QLatin1Char('\r')) &&
                    !paragraph.contains(QLatin1Char('\n')));
            QVERIFY(!paragraph.startsWith(QLatin1Char(' ')) &&
                    !paragraph.endsWith(QLatin1Char(' ')));
            QVERIFY(!paragraph.contains(QStringLiteral("  ")));
        }
        // The dots and blanks as they stand.
        for (const char* exact :
             {"(usually by not more than a second.....or less).",
              "such as 13:09 , 1:09 PM or 1:09. If", "will appear......try again.",
              "selecting Validate Countdown.", "results will be wrong!",
              "86400 seconds in a 24 hour period.", "these seconds at midnight."}) {
            QVERIFY2(help.contains(QLatin1String(exact)), exact);
        }
    }

    // Style 0 on screen: no icon, one OK button, an empty line between paragraphs.
    void shownPlain() {
        runtime::FakeClock clock;
        runtime::QtDialogs dialogs;
        RecordingClockSetter setter;
        frmStopwatch w(runtime::Services{clock, dialogs, setter});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        bool seen = false;
        whenBoxShows([&](QMessageBox* box) {
            seen = true;
            QCOMPARE(box->windowTitle(), "Help");
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->standardButton(box->buttons().front()), QMessageBox::Ok);
            QCOMPARE(box->text().count(QStringLiteral("\n\n")), 4);
            QVERIFY(!box->text().contains(QLatin1Char('\r')));
        });
        w.findChild<QAction*>(QStringLiteral("mnuHelp"))->trigger();
        QVERIFY(seen);
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
