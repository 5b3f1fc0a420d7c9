// The cost, on the window's thread, of recording a timing: a window's record
// that changed goes to the journal and the store's queue, and the disk's time
// (fsync included) is taken on the store's own thread. Also the record that
// did not change, which is what most handlers leave. The records go to a
// temporary folder, never the user's.
#include "platform/timingjournal.h"
#include "platform/timingstore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

core::WindowRecord timing(int n) {
    core::WindowRecord record;
    record.identification = QStringLiteral("Oven");
    record.placed = true;
    record.x = 400;
    record.stopwatch = core::WindowRecord::Stopwatch::Running;
    record.started = {1234.5 + n, QStringLiteral("0d6c2b4e-8f1a-4c55-9e3b-7a2f10c9d8e1"),
                      1772409600000 + n};
    record.capture = QStringLiteral("0.00");
    return record;
}

void recordChanged(benchmark::State& state) {
    QTemporaryDir folder;
    const auto store = platform::makeFileTimingStore(folder.path() + QStringLiteral("/horolux"));
    platform::TimingJournal journal(*store);
    int other = 0; // a second window, as a process with two would have
    journal.update(&other, timing(-1));
    int window = 0;
    int n = 0;
    for (auto _ : state) {
        n = 1 - n;
        journal.update(&window, timing(n));
    }
}
BENCHMARK(recordChanged);

void recordUnchanged(benchmark::State& state) {
    QTemporaryDir folder;
    const auto store = platform::makeFileTimingStore(folder.path() + QStringLiteral("/horolux"));
    platform::TimingJournal journal(*store);
    int window = 0;
    const core::WindowRecord record = timing(0);
    journal.update(&window, record);
    for (auto _ : state) {
        journal.update(&window, record);
    }
}
BENCHMARK(recordUnchanged);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
