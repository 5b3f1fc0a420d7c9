// The cost of the handlers on the hot paths, with a real window and the fake
// clock: the 5 ms stopwatch tick with and without a display write, the
// capture, the conversion of a result, the one-second countdown tick, and the
// clock reading itself. And the models alone, without a window: their part of
// the two ticks.
#include "core/countdown.h"
#include "core/stopwatch.h"
#include "platform/systemclock.h"
#include "support/fakeclock.h"
#include "support/models.h"
#include "support/probe.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstddef>

// Every malloc of the process, Qt's included, is counted on its way to the C
// library's allocator, so that a benchmark can report allocations per round.
// Not under AddressSanitizer, whose allocator must see every allocation.
#if defined(__SANITIZE_ADDRESS__)
#define HOROLUX_COUNT_MALLOCS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HOROLUX_COUNT_MALLOCS 0
#endif
#endif
#ifndef HOROLUX_COUNT_MALLOCS
#define HOROLUX_COUNT_MALLOCS 1
#endif

namespace {
std::atomic<long> allocations{0};
} // namespace

#if HOROLUX_COUNT_MALLOCS
extern "C" void* __libc_malloc(std::size_t size) noexcept;
extern "C" void* malloc(std::size_t size) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}
#endif

namespace {

// Reports the mallocs per round of the benchmark it is made in.
class AllocationCounter {
public:
    explicit AllocationCounter(benchmark::State& state)
        : state_(state), start_(allocations.load()) {}
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;
    ~AllocationCounter() {
        if (!HOROLUX_COUNT_MALLOCS) {
            return;
        }
        state_.counters["allocs"] = benchmark::Counter(
            static_cast<double>(allocations.load() - start_), benchmark::Counter::kAvgIterations);
    }

private:
    benchmark::State& state_;
    long start_;
};

struct Running {
    TestServices t;
    std::unique_ptr<frmStopwatch> w = t.window();
    frmStopwatchProbe p{*w};
    platform::Timer* timer = p.timer("tmrSWTimer");
    Running() {
        w->show();
        p.control<QPushButton>("cmdSWButton")->click();
        t.clock.advance(12.34);
        tick();
    }
    // One tick as the event loop delivers it: the timer's signal, found once
    // here so that the benchmark does not time the search for it.
    void tick() const { emit timer->timeout(); }
};

// Clock read, format, compare; the display already shows the time.
void tickWithoutWrite(benchmark::State& state) {
    Running r;
    AllocationCounter counter(state);
    for (auto _ : state) {
        r.tick();
    }
}
BENCHMARK(tickWithoutWrite);

// Every tick finds a new hundredth and writes it.
void tickWithWrite(benchmark::State& state) {
    Running r;
    AllocationCounter counter(state);
    for (auto _ : state) {
        r.t.clock.advance(0.01);
        r.tick();
    }
}
BENCHMARK(tickWithWrite);

// The floor for a write: QLineEdit::setText of a new text, alone.
void setTextAlone(benchmark::State& state) {
    Running r;
    auto* display = r.p.control<QLineEdit>("txtSWTime");
    const QString texts[2] = {QStringLiteral("12.34"), QStringLiteral("12.35")};
    int i = 0;
    AllocationCounter counter(state);
    for (auto _ : state) {
        display->setText(texts[i ^= 1]);
    }
}
BENCHMARK(setTextAlone);

void capture(benchmark::State& state) {
    Running r;
    auto* button = r.p.control<QPushButton>("cmdSWPause");
    for (auto _ : state) {
        r.t.clock.advance(0.01);
        button->click();
    }
}
BENCHMARK(capture);

// A run with `laps` captures kept and its laps window open.
struct WithLaps : Running {
    QPushButton* button = p.control<QPushButton>("cmdSWPause");
    explicit WithLaps(std::int64_t laps) {
        for (std::int64_t i = 0; i < laps; ++i) {
            t.clock.advance(0.37);
            button->click();
        }
        w->showLaps();
    }
};

// A capture with none or 10,000 laps kept: a thousand rounds, so that the run
// without laps stays short of a thousand.
void captureWithLaps(benchmark::State& state) {
    WithLaps r(state.range(0));
    for (auto _ : state) {
        r.t.clock.advance(0.01);
        r.button->click();
    }
}
BENCHMARK(captureWithLaps)->Arg(0)->Arg(10000)->Iterations(1000);

// The 5 ms tick, each with a write, beside the laps window.
void tickWithLaps(benchmark::State& state) {
    WithLaps r(state.range(0));
    for (auto _ : state) {
        r.t.clock.advance(0.01);
        r.tick();
    }
}
BENCHMARK(tickWithLaps)->Arg(0)->Arg(10000);

// Convert a stopped result and reset: two presses of the main button.
void convertAndReset(benchmark::State& state) {
    Running r;
    auto* button = r.p.control<QPushButton>("cmdSWButton");
    for (auto _ : state) {
        state.PauseTiming();
        button->click(); // reset from the previous round, or the stop
        if (!r.p.state().blnSWStopped) {
            button->click();
            r.t.clock.advance(3725.67);
            button->click();
        }
        state.ResumeTiming();
        button->click(); // convert
    }
}
BENCHMARK(convertAndReset);

// A running countdown's tick: the display and the caption show a new time
// left. "Now" steps one second forth and back, so that the countdown never
// ends however many rounds the benchmark takes.
void countdownTick(benchmark::State& state) {
    TestServices t;
    std::unique_ptr<frmStopwatch> w = t.window();
    frmStopwatchProbe p{*w};
    w->show();
    p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("1440"));
    p.control<QPushButton>("cmdCountdown")->click();
    platform::Timer* timer = p.timer("tmrCountdown");
    double step = 1.0;
    AllocationCounter counter(state);
    for (auto _ : state) {
        t.clock.moveWall(step);
        step = -step;
        emit timer->timeout();
    }
    if (!timer->isRunning()) {
        state.SkipWithError("the countdown ended");
    }
}
BENCHMARK(countdownTick);

// The stopwatch model's refresh: read the clock, format a new hundredth. No
// allocation: the text fits the string's own buffer.
void stopwatchModelTick(benchmark::State& state) {
    TimerModels m;
    m.stopwatch.press();
    m.clock.advance(12.34);
    AllocationCounter counter(state);
    const long before = allocations.load();
    for (auto _ : state) {
        m.clock.advance(0.01);
        m.stopwatch.tick();
        benchmark::DoNotOptimize(m.view.swTime->data());
    }
    if (HOROLUX_COUNT_MALLOCS && allocations.load() != before) {
        state.SkipWithError("the stopwatch's tick allocated");
    }
}
BENCHMARK(stopwatchModelTick);

// The countdown model's tick: a new time left in the display and the caption.
void countdownModelTick(benchmark::State& state) {
    TimerModels m;
    m.view.minutes.read("1440");
    m.countdown.begin();
    m.countdown.enter();
    double step = 1.0;
    AllocationCounter counter(state);
    for (auto _ : state) {
        m.clock.moveWall(step);
        step = -step;
        benchmark::DoNotOptimize(m.countdown.tick());
    }
}
BENCHMARK(countdownModelTick);

void readTheSystemClock(benchmark::State& state) {
    platform::SystemClock clock;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clock.seconds());
    }
}
BENCHMARK(readTheSystemClock);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    configureTestApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
