// The Help menu item: its text word for word, in a plain box titled "Help".
#include "support/probe.h"

#include <QAction>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void text() {
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        p.control<QAction>("mnuHelp")->trigger();
        QCOMPARE(t.dialogs.boxes().size(), std::size_t{1});
        const core::ScriptedDialogs::Box& box = t.dialogs.boxes().front();
        QCOMPARE(box.title, "Help");
        QCOMPARE(box.style, 0);

        const QString& help = box.prompt;
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
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
