// The program's start on a program directory: splash, main window with the catalogue and the
// distributor block, the windows made at start (the chemical search reads the substance table),
// the main window shown; all but the pause. The process's peak resident memory goes beside it.
//   start_bench [--benchmark_...] PROGRAM_DIR   (PROGRAM_DIR/EN holds the data; see bench/messen)
#include "Start.h"

#include "app/Einstellungsspeicher.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString g_programm;

// The peak resident memory of this process in MiB (Linux), or 0.
double spitzeMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmHWM:"))
            return zeile.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

void BM_Start(benchmark::State& state) {
    QTemporaryDir einstellungen;
    for (auto _ : state) {
        // Set up as after the first start, so nothing asks.
        auto speicher = TQSettingsSpeicher::inDatei(einstellungen.filePath("settings.ini"));
        speicher->schreiben(QStringLiteral("SOFTWARE\\QVR\\Palvex"), {QStringLiteral("An1")},
                            {QStringLiteral("000")});
        speicher->schreiben(QStringLiteral("SOFTWARE\\QVRUser"), {QStringLiteral("re1")},
                            {QStringLiteral("Me")});
        auto form1 = programmStarten({g_programm, std::move(speicher), 0});
        if (!form1) {
            state.SkipWithError("the program did not start on this directory");
            break;
        }
        QApplication::processEvents();
        state.PauseTiming();
        form1.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = spitzeMiB();
}
BENCHMARK(BM_Start)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fputs("usage: start_bench [--benchmark_...] PROGRAM_DIR\n", stderr);
        return 1;
    }
    g_programm = QString::fromLocal8Bit(argv[1]);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
