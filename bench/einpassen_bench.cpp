// Fitting a text into its box: a line of a few words, the longest line a saved file holds, and
// one far longer, as a value of the hazard analysis; and the whole questionnaire printed with
// every field and memo line as long as a file holds.
#include "print/Einpassen.h"
#include "print/Gefahrenbericht.h"
#include "shared/Zeilendatei.h"
#include "shared/gui/RecordingCanvas.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// Words of a sentence, so wrapping and fitting meet the text they meet on paper.
QString zeile(qsizetype laenge) {
    const QString satz = QStringLiteral("Cut-resistant gloves for sheet metal, oil on the parts; ");
    return satz.repeated(laenge / satz.size() + 1).left(laenge);
}

void BM_Einpassen(benchmark::State& state) {
    RecordingCanvas c(QSizeF(200, 287));
    const QString s = zeile(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            schriftEinpassen(c, QStringLiteral("Arial"), 30, false, s, 200 * 10 - 900));
}
BENCHMARK(BM_Einpassen)
    ->Arg(60)
    ->Arg(zeilendatei::kZeichenJeZeile)
    ->Arg(256 * 1024)
    ->Unit(benchmark::kMillisecond);

void BM_GefahrenanalyseDrucken(benchmark::State& state) {
    GefahrenDruckDaten d;
    d.titel = QStringLiteral("Risk Assessment");
    TGefahrenanalyse& g = d.analyse;
    g.c.fill(true);
    const QString lang = zeile(zeilendatei::kZeichenJeZeile);
    g.a1 = g.a2 = lang;
    g.e.fill(lang);
    // A memo as long as the file's line holds, in the lines the printout shows.
    g.memo = QStringList(kMaxMemoZeilen, zeile(zeilendatei::kZeichenJeZeile / kMaxMemoZeilen - 3));
    for (auto _ : state) {
        RecordingCanvas c(QSizeF(200, 287));
        gefahrenanalyseDrucken(c, d);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_GefahrenanalyseDrucken)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Fonts and their metrics, without a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
