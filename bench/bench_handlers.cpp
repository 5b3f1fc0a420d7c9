// The cost of the handlers on the hot paths, with a real window and the fake
// clock: the 5 ms stopwatch tick with and without a display write, the
// capture, the conversion of a result, and the clock reading itself.
#include "support/probe.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

struct Running {
    TestServices t;
    std::unique_ptr<frmStopwatch> w = t.window();
    frmStopwatchProbe p{*w};
    Running() {
        w->show();
        p.control<QPushButton>("cmdSWButton")->click();
        t.clock.advance(12.34);
        (void)p.tick("tmrSWTimer");
    }
};

// Clock read, format, compare; the display already shows the time.
void tickWithoutWrite(benchmark::State& state) {
    Running r;
    for (auto _ : state) {
        benchmark::DoNotOptimize(r.p.tick("tmrSWTimer"));
    }
}
BENCHMARK(tickWithoutWrite);

// Every tick finds a new hundredth and writes it.
void tickWithWrite(benchmark::State& state) {
    Running r;
    for (auto _ : state) {
        r.t.clock.advance(0.01);
        benchmark::DoNotOptimize(r.p.tick("tmrSWTimer"));
    }
}
BENCHMARK(tickWithWrite);

// The floor for a write: QLineEdit::setText of a new text, alone.
void setTextAlone(benchmark::State& state) {
    Running r;
    auto* display = r.p.control<QLineEdit>("txtSWTime");
    const QString texts[2] = {QStringLiteral("12.34"), QStringLiteral("12.35")};
    int i = 0;
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

void readTheSystemClock(benchmark::State& state) {
    runtime::SystemClock clock;
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
