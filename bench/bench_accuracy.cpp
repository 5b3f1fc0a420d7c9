// The accuracy run: the real clock and the real timers through a real window,
// every write to the stopwatch display and the countdown display recorded
// with its instant on the boot-time clock. A 30 s stopwatch run and a
// validated 0.5-minute countdown, checked against the targets:
//   - every stopwatch text within 0.015 s of the true elapsed time at its write;
//   - every time left shown within 0.5 s + 20 ms of the true time left;
//   - "DONE" no later than 1.0 s + 20 ms after the end instant.
// Prints key=value lines (for bench/measure.py) and exits 1 if a target is missed.
#include "support/realtime.h"

#include <cstdio>

namespace {

void print(const char* key, double value) {
    std::printf("%s=%.4f\n", key, value);
}

} // namespace

int main(int argc, char** argv) {
    configureDisplayConnection(); // as the program does
    QApplication app(argc, argv);
    configureTestApplication();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 30.0;

    realtime::Harness stopwatchWindow;
    const realtime::StopwatchRun sw = stopwatchWindow.stopwatchRun(seconds);
    print("sw_writes_per_s", sw.writes / seconds);
    print("sw_error_s", sw.worstError);
    print("sw_longest_gap_ms", sw.longestGap * 1000);

    realtime::Harness countdownWindow;
    const double length = seconds; // 0.5 minutes by default
    const realtime::CountdownRun cd =
        countdownWindow.countdownRun(QString::number(length / 60), length, length + 5);
    print("cd_times_left", cd.timesLeft);
    print("cd_left_error_s", cd.worstLeftError);
    print("cd_done", cd.done ? 1 : 0);
    print("cd_done_late_s", cd.doneLate);
    print("cd_sw_error_s", cd.stopwatch.worstError);
    std::printf("# worst stopwatch text %s, worst time left %s\n", qPrintable(sw.worstText),
                qPrintable(cd.worstText));

    const bool met = sw.worstError <= 0.015 && cd.stopwatch.worstError <= 0.015 &&
                     cd.worstLeftError <= 0.52 && cd.done && cd.doneLate <= 1.02 &&
                     cd.timesLeft >= static_cast<int>(length) - 2;
    return met ? 0 : 1;
}
