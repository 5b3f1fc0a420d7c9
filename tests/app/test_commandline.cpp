// The command line as the program reads it before any window exists: its own
// options, Qt's options left for the QApplication, and everything else refused.
#include "commandline.h"

#include <QTest>

using Action = CommandLine::Action;

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void actions_data();
    void actions();
};

void TestCommandLine::actions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    // For a refusal, what the message must quote; empty otherwise.
    QTest::addColumn<QString>("named");
    QTest::addColumn<bool>("displayNamed"); // by -platform or -display
    // The verb as "kind I.D. minutes validate"; empty for none.
    QTest::addColumn<QString>("verb");

    const auto row = [](const char* name, const QString& line, Action action,
                        const QString& named = QString(), bool displayNamed = false,
                        const QString& verb = QString()) {
        QStringList arguments{QStringLiteral("/usr/bin/horolux")};
        if (!line.isEmpty()) {
            arguments += line.split(QLatin1Char(' '));
        }
        QTest::newRow(name) << arguments << action << named << displayNamed << verb;
    };
    const auto verb = [&row](const char* name, const QString& line, const char* verb) {
        row(name, line, Action::Run, {}, false, QString::fromUtf8(verb));
    };
    row("no arguments", {}, Action::Run);
    row("--help", QStringLiteral("--help"), Action::ShowHelp);
    row("-h", QStringLiteral("-h"), Action::ShowHelp);
    row("-help", QStringLiteral("-help"), Action::ShowHelp);
    row("--version", QStringLiteral("--version"), Action::ShowVersion);
    row("-v", QStringLiteral("-v"), Action::ShowVersion);
    row("help before version", QStringLiteral("--version --help"), Action::ShowHelp);

    // Qt's options, with their values, in the forms Qt reads.
    row("-platform", QStringLiteral("-platform offscreen"), Action::Run, {}, true);
    row("--platform", QStringLiteral("--platform offscreen"), Action::Run, {}, true);
    row("-platform with options", QStringLiteral("-platform xcb:nodbus"), Action::Run, {}, true);
    row("-style value", QStringLiteral("-style Fusion"), Action::Run);
    row("-style=value", QStringLiteral("-style=Fusion"), Action::Run);
    row("-stylesheet=value", QStringLiteral("-stylesheet=/tmp/a.qss"), Action::Run);
    row("X11 options", QStringLiteral("-display :1 -name timer -geometry 300x200+0+0 -nograb"),
        Action::Run, {}, true);
    row("flags", QStringLiteral("-reverse -widgetcount"), Action::Run);
    row("session restore", QStringLiteral("-session 10ab3f_1"), Action::Run);
    row("a value starting with a dash", QStringLiteral("-qwindowtitle -reverse"), Action::Run);
    row("Qt's option, then help", QStringLiteral("-platform offscreen --help"), Action::ShowHelp);
    row("Qt's option, then version", QStringLiteral("-display :0 -v"), Action::ShowVersion);

    // Refused, naming what was wrong.
    row("unknown long option", QStringLiteral("--frobnicate"), Action::Refuse,
        QStringLiteral("'frobnicate'"));
    row("unknown single dash", QStringLiteral("-x"), Action::Refuse, QStringLiteral("'x'"));
    row("no bundled letters", QStringLiteral("-hv"), Action::Refuse, QStringLiteral("'hv'"));
    row("unknown beside help", QStringLiteral("--help --frobnicate"), Action::Refuse,
        QStringLiteral("'frobnicate'"));
    row("argument", QStringLiteral("notes.txt"), Action::Refuse, QStringLiteral("'notes.txt'"));
    row("argument after --", QStringLiteral("-- --help"), Action::Refuse,
        QStringLiteral("'--help'"));
    row("Qt's option without its value", QStringLiteral("-reverse -platform"), Action::Refuse,
        QStringLiteral("'-platform'"));
    row("value for a flag", QStringLiteral("--version=2"), Action::Refuse,
        QStringLiteral("'--version'"));

    // Verbs, checked strictly before anything happens.
    verb("20-character I.D.", QStringLiteral("--id 12345678901234567890 --stopwatch"),
         "1 12345678901234567890  0");
    verb("countdown", QStringLiteral("--countdown 1.5 --id Tea --validate"), "2 Tea 1.5 1");
    verb("I.D. beyond the BMP", QStringLiteral("--stopwatch --id Tea\U0001F375"),
         "1 Tea\U0001F375  0");
    verb("press", QStringLiteral("--press Tea"), "3 Tea  0");
    row("list", QStringLiteral("--list"), Action::List);
    row("list as JSON", QStringLiteral("--json --list"), Action::List);
    const auto refused = [&row](const char* name, const QString& line, const char* says) {
        row(name, line, Action::Refuse, QString::fromUtf8(says));
    };
    refused("negative length", QStringLiteral("--countdown=-5"), "above 0");
    refused("length with comma", QStringLiteral("--countdown 1,5"), "as in 1.5");
    refused("I.D. too long", QStringLiteral("--stopwatch --id 123456789012345678901"), "20");
    refused("no I.D. to press", QStringLiteral("--press="), "No I.D.");
    refused("control character", QStringLiteral("--stopwatch --id Tea\tRun"), "control");
    refused("two verbs", QStringLiteral("--stopwatch --press Tea"), "one of");
    refused("I.D. twice", QStringLiteral("--stopwatch --id a --id b"), "'--id'");
    refused("I.D. for a press", QStringLiteral("--press Tea --id Oven"), "--id goes");
    refused("validate alone", QStringLiteral("--stopwatch --validate"), "--validate goes");
    refused("JSON alone", QStringLiteral("--json"), "--json goes");
    refused("no restore with a press", QStringLiteral("--no-restore --capture Tea"),
            "--no-restore");
}

void TestCommandLine::actions() {
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, named);
    QFETCH(bool, displayNamed);
    QFETCH(QString, verb);

    const CommandLine line = parseCommandLine(arguments);
    QCOMPARE(line.displayNamed, displayNamed);
    QCOMPARE(line.action, action);
    const QString parsed = line.verb ? QStringLiteral("%1 %2 %3 %4")
                                           .arg(static_cast<int>(line.verb->kind))
                                           .arg(line.verb->identification, line.verb->minutes)
                                           .arg(int(line.verb->validate))
                                     : QString();
    QCOMPARE(parsed, verb);
    QCOMPARE(line.json, arguments.contains(QStringLiteral("--json")) && action == Action::List);
    if (action == Action::Run || action == Action::List) {
        QVERIFY(line.text.isEmpty());
    } else {
        QVERIFY2(line.text.endsWith(QLatin1Char('\n')), qPrintable(line.text));
    }
    if (action == Action::Refuse) {
        QVERIFY2(line.text.startsWith(QStringLiteral("horolux: ")), qPrintable(line.text));
        QVERIFY2(line.text.contains(named), qPrintable(line.text));
        QVERIFY2(line.text.contains(QStringLiteral("horolux --help")), qPrintable(line.text));
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
