#include "commandline.h"

#include "core/identity.h"
#include "layout.h"
#include "platform/display.h"
#include "platform/translation.h"
#include "remote.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const QString kProgram = QString::fromLatin1(core::kProgramName);

struct OwnOption {
    QStringList names;
    const char* description;
};

// The program's own options, in the order the help lists them.
const OwnOption kHelp{{QStringLiteral("h"), QStringLiteral("help")},
                      QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit.")};
const OwnOption kVersion{{QStringLiteral("v"), QStringLiteral("version")},
                         QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit.")};

// The command line is read before the application exists, so its texts are
// looked up in the translation given, not in the application's.
QString say(const QTranslator* translator, const char* english) {
    QString text;
    if (translator != nullptr) {
        text = translator->translate("CommandLine", english);
    }
    return text.isEmpty() ? QString::fromUtf8(english) : text;
}

// Qt's refusals of an option. Qt words them in English, as no translation is
// installed before the application exists, and repeats the argument as typed;
// the program says the same in the user's language, the argument quoted as its
// own refusals quote one (control characters shown as "?").
const char* const kParserRefusals[] = {
    QT_TRANSLATE_NOOP("CommandLine", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("CommandLine", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("CommandLine", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("CommandLine", "Unexpected value after '%1'.")};

const QString kNoRestore = QStringLiteral("no-restore");
constexpr qsizetype kLongestQuote = 80; // characters of an argument a refusal repeats

// The verbs, each an option of its own; the first four open a window.
struct VerbOption {
    const char* name;
    core::Verb::Kind kind;
    bool takesValue; // the minutes, or the I.D. of the window to act on
};
const VerbOption kVerbs[] = {
    {"new-window", core::Verb::Kind::NewWindow, false},
    {"stopwatch", core::Verb::Kind::Stopwatch, false},
    {"countdown", core::Verb::Kind::Countdown, true},
    {"press", core::Verb::Kind::Press, true},
    {"capture", core::Verb::Kind::Capture, true},
    {"stop-countdown", core::Verb::Kind::StopCountdown, true},
};

// The options a QApplication takes out of the command line on Linux with Qt
// 6.4 (on every platform, then those of its X11 platform): accepted here and
// left to it. Each may also be written with two dashes.
const char* const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "style", "stylesheet",
    // X11
    "display", "name", "visual", "geometry", "title", "icon"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "testability", "qdevel", "qdebug",
                                // X11
                                "nograb", "dograb"};

QString helpText(const QTranslator* translator) {
    const auto line = [translator](const OwnOption& option) {
        const QString names = QStringLiteral("-%1, --%2").arg(option.names[0], option.names[1]);
        return QStringLiteral("  %1  %2\n")
            .arg(names, -13)
            .arg(say(translator, option.description));
    };
    return say(translator,
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "Usage: %1 [options]\n"
                   "Horolux, a stopwatch and countdown timer for the desktop. Each window\n"
                   "holds a stopwatch, a countdown that can drive it and a box that sets\n"
                   "the computer's clock; \"Another Timer?\" opens one more.\n"
                   "\n"
                   "Options:\n"))
               .arg(kProgram) +
           line(kHelp) + line(kVersion) +
           say(translator,
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  --no-restore   Start with one idle window; keep the recorded timings\n"
                   "                 for a later start.\n"
                   "  --new-window [--id TEXT]\n"
                   "                 Open a new idle window, its I.D. box holding TEXT.\n"
                   "  --stopwatch [--id TEXT]\n"
                   "                 Open a new window with its stopwatch started.\n"
                   "  --countdown MINUTES [--id TEXT] [--validate]\n"
                   "                 Open a new window with a countdown of MINUTES started\n"
                   "                 (above 0, at most 1440, decimals after a point: 0.5);\n"
                   "                 --validate ticks \"Validate Countdown\".\n"
                   "  --press ID     Press the stopwatch's button (Start, Stop, H:MM:SS or\n"
                   "                 Reset) of the window whose I.D. box holds ID.\n"
                   "  --capture ID   Capture the running time in the window ID.\n"
                   "  --stop-countdown ID\n"
                   "                 Stop the countdown of the window ID.\n"
                   "  --list [--json]\n"
                   "                 List the windows of every Horolux that are timing or\n"
                   "                 show a result, one a line, or as JSON.\n")) +
           say(translator,
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "\n"
                   "The options from --new-window to --stop-countdown go to the Horolux\n"
                   "running in this session, which carries them out at once; where none\n"
                   "runs, this one starts and opens the new window.\n"
                   "\n"
                   "Running timings are recorded in $XDG_STATE_HOME/horolux (by default\n"
                   "~/.local/state/horolux) and come back at the next start; delete the\n"
                   "files there while Horolux is not running to discard them. A record\n"
                   "that cannot be read is set aside there; at most the newest 10\n"
                   "set-aside records are kept.\n"
                   "\n"
                   "Qt's own options work as in every Qt program, among them\n"
                   "-platform NAME, -display DISPLAY, -style STYLE and -reverse.\n"
                   "See horolux(1).\n"));
}

// `english`, one of Qt's refusals, in the user's language; any other text
// as it is, its control characters shown as "?".
QString parserRefusal(const QTranslator* translator, const QString& english) {
    for (const char* refusal : kParserRefusals) {
        const QStringList around = QString::fromUtf8(refusal).split(QStringLiteral("%1"));
        const qsizetype inside = english.size() - around[0].size() - around[1].size();
        if (inside > 0 && english.startsWith(around[0]) && english.endsWith(around[1])) {
            return say(translator, refusal)
                .arg(core::quoted(english.mid(around[0].size(), inside), kLongestQuote));
        }
    }
    return core::quoted(english, english.size());
}

CommandLine refusal(const QTranslator* translator, const QString& message) {
    return {CommandLine::Action::Refuse,
            QStringLiteral("%1: %2\n").arg(kProgram, message) +
                say(translator,
                    QT_TRANSLATE_NOOP("CommandLine", "Try '%1 --help' for more information.\n"))
                    .arg(kProgram)};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QTranslator* translator) {
    QCommandLineParser parser;
    // -platform is one option, as Qt reads it, not the letters p, l, a, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(kHelp.names, QString::fromUtf8(kHelp.description));
    const QCommandLineOption version(kVersion.names, QString::fromUtf8(kVersion.description));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption noRestore(kNoRestore);
    parser.addOption(noRestore);
    for (const VerbOption& verb : kVerbs) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(verb.name), QString(),
                                            verb.takesValue ? QStringLiteral("value") : QString()));
    }
    const QCommandLineOption id(QStringLiteral("id"), QString(), QStringLiteral("text"));
    const QCommandLineOption validate(QStringLiteral("validate"));
    const QCommandLineOption list(QStringLiteral("list"));
    const QCommandLineOption json(QStringLiteral("json"));
    for (const QCommandLineOption& option : {id, validate, list, json}) {
        parser.addOption(option);
    }
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        return refusal(translator, parserRefusal(translator, parser.errorText()));
    }
    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty()) {
        return refusal(translator, say(translator, QT_TRANSLATE_NOOP("CommandLine",
                                                                     "Unexpected argument '%1'."))
                                       .arg(core::quoted(extra.first(), kLongestQuote)));
    }
    if (parser.isSet(help)) {
        return {CommandLine::Action::ShowHelp, helpText(translator)};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Action::ShowVersion,
                QStringLiteral("%1 %2\n").arg(kProgram, QString::fromLatin1(core::kAppVersion))};
    }
    CommandLine run;
    run.platform = parser.value(QStringLiteral("platform"));
    run.display = parser.value(QStringLiteral("display"));
    run.displayNamed =
        parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
    run.restore = !parser.isSet(noRestore);

    // One verb at a time, each option once, and the modifiers with theirs.
    const auto refuse = [translator](const char* english, const QString& piece = QString()) {
        return refusal(translator, core::Refusal{english, piece}.filled(say(translator, english)));
    };
    int verbs = parser.isSet(list) ? 1 : 0;
    for (const VerbOption& option : kVerbs) {
        const QString name = QString::fromLatin1(option.name);
        if (!parser.isSet(name)) {
            continue;
        }
        ++verbs;
        run.verb = core::Verb{option.kind};
        if (option.kind == core::Verb::Kind::Countdown) {
            run.verb->minutes = parser.value(name);
        } else if (option.takesValue) {
            run.verb->identification = parser.value(name);
        }
    }
    const QStringList given = parser.optionNames();
    for (const QString& name : given) {
        // Qt's own options keep Qt's rules.
        const bool own = name == QLatin1String("id") || name == QLatin1String("validate") ||
                         name == QLatin1String("list") || name == QLatin1String("json") ||
                         std::any_of(std::begin(kVerbs), std::end(kVerbs),
                                     [&name](const VerbOption& v) { return name == v.name; });
        if (own && given.count(name) > 1) {
            return refuse(QT_TRANSLATE_NOOP("CommandLine", "'--%1' is given more than once."),
                          name);
        }
    }
    if (verbs > 1) {
        return refuse(QT_TRANSLATE_NOOP("CommandLine",
                                        "Give one of --new-window, --stopwatch, --countdown, "
                                        "--press, --capture, --stop-countdown and --list at "
                                        "a time."));
    }
    const bool opens = run.verb && run.verb->opensWindow();
    if (parser.isSet(id) && !opens) {
        return refuse(QT_TRANSLATE_NOOP(
            "CommandLine", "--id goes with --new-window, --stopwatch or --countdown."));
    }
    if (parser.isSet(validate) && !(run.verb && run.verb->kind == core::Verb::Kind::Countdown)) {
        return refuse(QT_TRANSLATE_NOOP("CommandLine", "--validate goes with --countdown."));
    }
    if (parser.isSet(json) && !parser.isSet(list)) {
        return refuse(QT_TRANSLATE_NOOP("CommandLine", "--json goes with --list."));
    }
    if (parser.isSet(noRestore) && (parser.isSet(list) || (run.verb && !opens))) {
        return refuse(QT_TRANSLATE_NOOP(
            "CommandLine", "--no-restore goes only with a start that opens a window."));
    }
    if (parser.isSet(list)) {
        run.action = CommandLine::Action::List;
        run.json = parser.isSet(json);
        return run;
    }
    if (run.verb) {
        if (opens) {
            run.verb->identification = parser.value(id);
            run.verb->validate = parser.isSet(validate);
        }
        if (const core::Refusal why = core::checkVerb(*run.verb, layout::kTextLimit)) {
            return refuse(why.pattern, why.piece);
        }
    }
    return run;
}

std::optional<int> handleCommandLine(int argc, const char* const* argv, CommandLine* line) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QTranslator translator;
    const bool translated = platform::loadProgramTranslation(translator, QLocale::system());
    CommandLine parsed = parseCommandLine(arguments, translated ? &translator : nullptr);
    switch (parsed.action) {
    case CommandLine::Action::Run:
        if (line != nullptr) {
            *line = std::move(parsed);
        }
        return std::nullopt;
    case CommandLine::Action::List:
        return printListing(parsed.json, translated ? &translator : nullptr);
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::fputs(parsed.text.toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    case CommandLine::Action::Refuse:
        std::fputs(parsed.text.toLocal8Bit().constData(), stderr);
        return EXIT_FAILURE;
    }
    return EXIT_FAILURE;
}

std::optional<int> refuseWithoutDisplay(const CommandLine& line) {
    // The platform Qt will take: -platform, QT_QPA_PLATFORM, or else X11
    // where DISPLAY is set (main() prefers it under Wayland) or -display
    // names one.
    QString platform = line.platform;
    if (platform.isEmpty()) {
        platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    }
    const QString display = line.display.isEmpty() ? qEnvironmentVariable("DISPLAY") : line.display;
    const bool x11 = platform.isEmpty()
                         ? !display.isEmpty()
                         : platform.section(QLatin1Char(':'), 0, 0) == QLatin1String("xcb");
    const bool wayland = platform.isEmpty() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if ((!platform.isEmpty() && !x11) || (wayland && !x11)) {
        return std::nullopt;
    }
    QTranslator translator;
    const QTranslator* tr =
        platform::loadProgramTranslation(translator, QLocale::system()) ? &translator : nullptr;
    if (x11 && !display.isEmpty()) {
        if (platform::displayReachable(display)) {
            return std::nullopt;
        }
        std::fputs(say(tr, QT_TRANSLATE_NOOP("CommandLine",
                                             "%1: cannot open the display %2; run it in a "
                                             "desktop session, with -platform offscreen, or "
                                             "under xvfb-run.\n"))
                       .arg(kProgram, core::quoted(display))
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return EXIT_FAILURE;
    }
    std::fputs(say(tr, QT_TRANSLATE_NOOP("CommandLine",
                                         "%1: no display to open a window on (neither "
                                         "DISPLAY nor WAYLAND_DISPLAY is set); run it in a "
                                         "desktop session, with -platform offscreen, or under "
                                         "xvfb-run.\n"))
                   .arg(kProgram)
                   .toLocal8Bit()
                   .constData(),
               stderr);
    return EXIT_FAILURE;
}
