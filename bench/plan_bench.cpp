// The glove plan window with 200 columns, shown: adding one more, deleting the first (all later
// columns renumbered and moved), re-arranging all, and building the 200 from an empty plan.
#include "app/Bildschirm.h"
#include "app/Kontext.h"
#include "texte/Texte.h"
#include "windows/product/XHandschutzplan.h"

#include <QAbstractButton>
#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSpalten = 200;

struct Fenster {
    TKontext kontext;
    std::unique_ptr<TForm6> plan;

    Fenster() {
        for (int i = 0; i < 50; ++i) {
            auto h = std::make_unique<TChemie>();
            h->Nummer = 1000 + i;
            h->setzeText(Textfeld::Name, QStringLiteral("Glove %1").arg(i));
            h->setzeText(Textfeld::Farbe, QStringLiteral("blue"));
            kontext.katalog.anhaengen(std::move(h));
        }
        plan = std::make_unique<TForm6>(kontext);
        plan->show();
        QApplication::processEvents();
    }
    void hinzufuegen() {
        (void)kontext.plan.hinzufuegen(&kontext.katalog.at(kontext.plan.size() % 50), texte::text(10019),
                                       texte::text(10020));
    }
    void fuellen(int n) {
        while (kontext.plan.size() < n)
            hinzufuegen();
        QApplication::processEvents();
    }
};

void BM_SpalteHinzufuegen(benchmark::State& state) {
    Fenster f;
    f.fuellen(kSpalten - 1);
    for (auto _ : state) {
        f.hinzufuegen(); // column 200 created, 199 left where they are
        state.PauseTiming();
        f.plan->findChild<QAbstractButton*>(QStringLiteral("ba%1").arg(kSpalten - 1))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SpalteHinzufuegen)->Unit(benchmark::kMillisecond);

void BM_ErsteSpalteLoeschen(benchmark::State& state) {
    Fenster f;
    f.fuellen(kSpalten);
    for (auto _ : state) {
        // Column 0 goes: 199 columns renamed and moved one slot to the left.
        f.plan->findChild<QAbstractButton*>(QStringLiteral("ba0"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.PauseTiming();
        f.hinzufuegen();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ErsteSpalteLoeschen)->Unit(benchmark::kMillisecond);

void BM_Planordnen(benchmark::State& state) {
    Fenster f;
    f.fuellen(kSpalten);
    for (auto _ : state)
        f.plan->planordnen();
}
BENCHMARK(BM_Planordnen)->Unit(benchmark::kMillisecond);

void BM_ZweihundertAusLeeremPlan(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto f = std::make_unique<Fenster>();
        state.ResumeTiming();
        f->fuellen(kSpalten);
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ZweihundertAusLeeremPlan)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bildschirm::setzenFuerTests({1024, 768});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
