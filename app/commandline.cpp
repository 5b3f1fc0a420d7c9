#include "commandline.h"

#include "core/identity.h"
#include "platform/translation.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>
#include <QTranslator>

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
const QString kNoRestore = QStringLiteral("no-restore");

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
        return refusal(translator, parser.errorText());
    }
    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty()) {
        return refusal(translator, say(translator, QT_TRANSLATE_NOOP("CommandLine",
                                                                     "Unexpected argument '%1'."))
                                       .arg(extra.first()));
    }
    if (parser.isSet(help)) {
        return {CommandLine::Action::ShowHelp, helpText(translator)};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Action::ShowVersion,
                QStringLiteral("%1 %2\n").arg(kProgram, QString::fromLatin1(core::kAppVersion))};
    }
    CommandLine run;
    run.displayNamed =
        parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
    run.restore = !parser.isSet(noRestore);
    return run;
}

std::optional<int> handleCommandLine(int argc, const char* const* argv, bool* restore) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QTranslator translator;
    const bool translated = platform::loadProgramTranslation(translator, QLocale::system());
    const CommandLine line = parseCommandLine(arguments, translated ? &translator : nullptr);
    switch (line.action) {
    case CommandLine::Action::Run:
        if (restore != nullptr) {
            *restore = line.restore;
        }
        if (line.displayNamed || qEnvironmentVariableIsSet("DISPLAY") ||
            qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
            qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            return std::nullopt;
        }
        std::fputs(say(translated ? &translator : nullptr,
                       QT_TRANSLATE_NOOP("CommandLine",
                                         "%1: no display to open a window on (neither "
                                         "DISPLAY nor WAYLAND_DISPLAY is set); run it in a "
                                         "desktop session, with -platform offscreen, or under "
                                         "xvfb-run.\n"))
                       .arg(kProgram)
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return EXIT_FAILURE;
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::fputs(line.text.toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    case CommandLine::Action::Refuse:
        std::fputs(line.text.toLocal8Bit().constData(), stderr);
        return EXIT_FAILURE;
    }
    return EXIT_FAILURE;
}
