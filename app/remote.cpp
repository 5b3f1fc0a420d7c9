// Control from outside the windows: a verb carried out on this program's
// windows through their handlers, as a click on their buttons; a verb handed
// to the Horolux already running in the session; and the listing of every
// Horolux's timings from their records.
#include "remote.h"

#include "core/listing.h"
#include "frmStopwatch.h"
#include "layout.h"
#include "placement.h"
#include "platform/systemclock.h"
#include "platform/timer.h"
#include "platform/timingrecords.h"
#include "platform/timingstore.h"
#include "platform/translation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

using Kind = core::Verb::Kind;
using Status = platform::VerbAnswer::Status;

// One of the command line's texts in the user's language, as the
// application's translation has it.
QString say(const char* english) {
    return QCoreApplication::translate("CommandLine", english);
}

std::int64_t utcMs(core::Date date) {
    return std::llround((date - core::kUnixEpochDay) * core::kSecondsPerDay * 1000.0);
}

// The timer windows on the screen (minimized ones too), in the order they opened.
QList<frmStopwatch*> openWindows() {
    QList<frmStopwatch*> windows;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<frmStopwatch*>(top);
        if (window != nullptr && window->isVisible()) {
            windows.append(window);
        }
    }
    return windows;
}

} // namespace

void frmStopwatch::startFromOutside(const core::Verb& verb) {
    Text1->setText(verb.identification);
    if (verb.kind == Kind::Stopwatch) {
        dispatch(&frmStopwatch::cmdSWButton_Click);
    } else if (verb.kind == Kind::Countdown) {
        // Typed and clicked as a user would: the window's own countdown
        // takes the length, which the verb's check found in its range.
        cmbMinutes->setEditText(verb.minutes.trimmed());
        chkCDCheck->setChecked(verb.validate);
        dispatch(&frmStopwatch::cmdCountdown_Click);
    } else {
        recordTiming(); // the I.D.
    }
}

bool frmStopwatch::pressFromOutside(core::Verb::Kind kind) {
    switch (kind) {
    case Kind::Press:
        dispatch(&frmStopwatch::cmdSWButton_Click);
        return true;
    case Kind::Capture:
        if (cmdSWPause->isHidden()) {
            return false;
        }
        dispatch(&frmStopwatch::cmdSWPause_Click);
        return true;
    case Kind::StopCountdown:
        if (!tmrCountdown->isEnabled()) {
            return false;
        }
        // Whoever stopped it knows: no notification of its finish.
        quietFinish_ = true;
        dispatch(&frmStopwatch::cmdReset_Click);
        return true;
    default:
        return false;
    }
}

QString frmStopwatch::identification() const {
    return Text1->text();
}

platform::VerbAnswer RemoteWindows::perform(const core::Verb& verb) const {
    if (const core::Refusal why = core::checkVerb(verb, layout::kTextLimit)) {
        return {Status::InvalidArgument, why.filled(say(why.pattern))};
    }
    const QList<frmStopwatch*> windows = openWindows();
    // A message box or the clock setter holds a handler open: a click now
    // would run inside it. The caller hears so and asks again later.
    if (QApplication::activeModalWidget() != nullptr ||
        std::any_of(windows.begin(), windows.end(),
                    [](const frmStopwatch* w) { return w->settingClock(); })) {
        return {Status::Busy,
                say(QT_TRANSLATE_NOOP("CommandLine", "Horolux waits for an answer in one of its "
                                                     "windows: answer it, then try again."))};
    }
    if (verb.opensWindow()) {
        // Like every window: no parent, deleted when closed.
        auto* window = new frmStopwatch(services_);
        window->startFromOutside(verb);
        placeNewWindow(*window);
        window->show();
        return {};
    }
    QList<frmStopwatch*> named;
    std::copy_if(windows.begin(), windows.end(), std::back_inserter(named),
                 [&verb](const frmStopwatch* w) {
                     return core::identifies(w->identification(), verb.identification);
                 });
    const QString id = core::quoted(verb.identification.trimmed());
    if (named.isEmpty()) {
        return {Status::NoSuchWindow,
                say(QT_TRANSLATE_NOOP("CommandLine", "No window of Horolux has the I.D. '%1'."))
                    .arg(id)};
    }
    if (named.size() > 1) {
        return {Status::Ambiguous,
                say(QT_TRANSLATE_NOOP("CommandLine", "%1 windows have the I.D. '%2': give one "
                                                     "of them another I.D."))
                    .arg(QString::number(named.size()), id)};
    }
    if (!named.front()->pressFromOutside(verb.kind)) {
        return {Status::NotNow,
                say(verb.kind == Kind::Capture
                        ? QT_TRANSLATE_NOOP("CommandLine", "The stopwatch of the window '%1' is "
                                                           "not running: nothing to capture.")
                        : QT_TRANSLATE_NOOP("CommandLine", "No countdown runs in the window '%1'."))
                    .arg(id)};
    }
    return {};
}

QByteArray RemoteWindows::list() const {
    std::vector<core::KeptRecord> records;
    QString bootId;
    if (services_.journal != nullptr) {
        records.push_back({true, services_.journal->records()});
        bootId = services_.journal->bootId();
    }
    const core::RestoreClock now{bootId, services_.clock.steadySeconds(),
                                 utcMs(services_.clock.now())};
    return core::listingJson(core::listWindows(records, now));
}

std::optional<int> sendToRunningProgram(int argc, char** argv, const core::Verb& verb) {
    platform::VerbAnswer answer;
    {
        // An application object for the session bus only, gone before the
        // one this process may become.
        int count = argc;
        const QCoreApplication client(count, argv);
        QTranslator translator;
        if (platform::loadProgramTranslation(translator, QLocale::system())) {
            QCoreApplication::installTranslator(&translator);
        }
        answer = platform::sendVerb(verb);
        if (answer.status == Status::NoProgram) {
            if (verb.opensWindow()) {
                return std::nullopt;
            }
            answer.message =
                say(QT_TRANSLATE_NOOP("CommandLine", "No Horolux is running in this session, so no "
                                                     "window has the I.D. '%1'."))
                    .arg(core::quoted(verb.identification.trimmed()));
        }
    }
    if (answer.status == Status::Done) {
        return EXIT_SUCCESS;
    }
    std::fprintf(stderr, "horolux: %s\n",
                 core::quoted(answer.message, answer.message.size()).toLocal8Bit().constData());
    return EXIT_FAILURE;
}

int printListing(bool json, const QTranslator* translator) {
    const std::vector<core::KeptRecord> records =
        platform::readTimingRecords(platform::timingFolder());
    const core::RestoreClock now{platform::runningBootId(), platform::bootSeconds(),
                                 QDateTime::currentMSecsSinceEpoch()};
    const std::vector<core::ListedWindow> windows = core::listWindows(records, now);
    const auto localize = [translator](const char* context, const char* english) {
        const QString text =
            translator != nullptr ? translator->translate(context, english) : QString();
        return text.isEmpty() ? QString::fromUtf8(english) : text;
    };
    const QByteArray out =
        json ? core::listingJson(windows) : core::listingText(windows, localize).toLocal8Bit();
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
