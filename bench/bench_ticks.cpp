// Ticks delivered to many windows at once: N timer windows with the real
// clock and the real 5 ms timers on the platform in use (bench/measure.py runs
// it on its Xvfb), each stopwatch started, then for 10 s the ticks and the
// display writes of every window are counted, with the process's CPU time.
// The counters hang on the windows' own signals; the windows are unchanged.
// Prints key=value lines for bench/measure.py.
#include "platform/systemclock.h"
#include "support/probe.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double seconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// The main thread's time waiting on a run queue for a CPU, in seconds: a
// tick can be late because the machine is busy rather than the program.
double runQueueWait() {
    std::FILE* f = std::fopen("/proc/thread-self/schedstat", "r");
    unsigned long long running = 0;
    unsigned long long waiting = 0;
    if (f != nullptr) {
        if (std::fscanf(f, "%llu %llu", &running, &waiting) != 2) {
            waiting = 0;
        }
        std::fclose(f);
    }
    return static_cast<double>(waiting) * 1e-9;
}

void runFor(double s) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(s * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    configureDisplayConnection(); // as the program does
    QApplication app(argc, argv);
    configureTestApplication();
    const int count = argc > 1 ? std::atoi(argv[1]) : 20;
    const double window = argc > 2 ? std::atof(argv[2]) : 10.0;

    platform::SystemClock clock;
    TestServices t;
    const platform::Services services{clock, t.dialogs, t.clockSetter};
    std::vector<std::unique_ptr<frmStopwatch>> windows;
    std::vector<long> ticks(static_cast<std::size_t>(count));
    std::vector<long> writes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        windows.push_back(std::make_unique<frmStopwatch>(services));
        frmStopwatch& w = *windows.back();
        w.move(i % 5 * 524, i / 5 * 290);
        w.show();
        frmStopwatchProbe p(w);
        long& tick = ticks[static_cast<std::size_t>(i)];
        long& write = writes[static_cast<std::size_t>(i)];
        QObject::connect(p.timer("tmrSWTimer"), &platform::Timer::timeout, [&tick] { ++tick; });
        QObject::connect(p.control<QLineEdit>("txtSWTime"), &QLineEdit::textChanged,
                         [&write] { ++write; });
    }
    for (auto& w : windows) {
        frmStopwatchProbe(*w).control<QPushButton>("cmdSWButton")->click();
    }
    runFor(1.0);
    std::fill(ticks.begin(), ticks.end(), 0);
    std::fill(writes.begin(), writes.end(), 0);
    const double wait0 = runQueueWait();
    const double cpu0 = seconds(CLOCK_PROCESS_CPUTIME_ID);
    const double t0 = seconds(CLOCK_MONOTONIC);
    runFor(window);
    const double elapsed = seconds(CLOCK_MONOTONIC) - t0;
    const double cpu = seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
    const double waited = runQueueWait() - wait0;

    std::vector<long> sorted = ticks;
    std::sort(sorted.begin(), sorted.end());
    std::printf("windows=%d\n", count);
    std::printf("ticks_per_s_min=%.1f\n", static_cast<double>(sorted.front()) / elapsed);
    std::printf("ticks_per_s_median=%.1f\n",
                static_cast<double>(sorted[sorted.size() / 2]) / elapsed);
    std::printf("writes_per_s_min=%.1f\n",
                static_cast<double>(*std::min_element(writes.begin(), writes.end())) / elapsed);
    std::printf("cpu_percent=%.2f\n", 100 * cpu / elapsed);
    std::printf("runqueue_wait_ms_per_s=%.2f\n", 1000 * waited / elapsed);
    return 0;
}
