// Loading the maker's files beside reading the same bytes raw, and ranking a search result.
#include "data/Produktliste.h"
#include "data/Rangfolge.h"
#include "data/Stoffliste.h"
#include "shared/Zeilendatei.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kStoffe = 100000, kSpalten = 400, kHandschuhe = 10000;

struct Daten {
    QTemporaryDir dir;
    QString tab = dir.filePath("tab.qvr"), produkte = dir.filePath("produkte.qvr");

    Daten() {
        QRandomGenerator rng(42);
        QString spalten;
        for (int i = 0; i < kSpalten; ++i)
            spalten += QStringLiteral("%1").arg(1000 + i, 4);
        std::vector<TStoff> stoffe(kStoffe);
        std::vector<const TStoff*> z;
        const QString codes = QStringLiteral("0123456?");
        for (int i = 0; i < kStoffe; ++i) {
            TStoff& s = stoffe[i];
            s.Name = QStringLiteral("Substance number %1").arg(i);
            s.CAS = QStringLiteral("%1-%2-%3").arg(100 + i).arg(i % 97).arg(i % 10);
            s.Permeation.resize(kSpalten);
            for (QChar& c : s.Permeation)
                c = codes[rng.bounded(8)];
            s.Zustand = quint8(1 + i % 3);
            s.Quellung = {1, 2, 3, 1, 5};
            s.Pruefsumme = pruefsumme(s);
            z.push_back(&s);
        }
        zeilendatei::atomarSpeichern(tab, stoffdatei(spalten, z));

        std::vector<std::unique_ptr<THandschuh>> gloves;
        std::vector<const THandschuh*> g;
        for (int i = 0; i < kHandschuhe; ++i) {
            auto h = neuerHandschuh(quint8(i % 5));
            h->Nummer = kHandschuhe - i;
            h->setzeText(Textfeld::Name, QStringLiteral("Glove %1").arg(i));
            h->setzeText(Textfeld::Beschreibung,
                         QStringLiteral("A sturdy glove for demanding work, number %1.").arg(i));
            h->setzeText(Textfeld::Material, QStringLiteral("Nitrile"));
            h->Dicke = 0.1 * (i % 20);
            gloves.push_back(std::move(h));
            g.push_back(gloves.back().get());
        }
        zeilendatei::atomarSpeichern(produkte, produktdatei(g));
    }
};

Daten& daten() {
    static Daten d;
    return d;
}

void rohLesen(benchmark::State& state, const QString& pfad) {
    daten(); // written before the clock runs
    for (auto _ : state) {
        QFile f(pfad);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
    state.SetBytesProcessed(state.iterations() * QFile(pfad).size());
}

void BM_TabRohLesen(benchmark::State& state) {
    rohLesen(state, daten().tab);
}
void BM_TabLaden(benchmark::State& state) {
    daten();
    for (auto _ : state) {
        TStoffliste l;
        l.Laden(daten().tab);
        benchmark::DoNotOptimize(l.size());
    }
    state.SetBytesProcessed(state.iterations() * QFile(daten().tab).size());
}
void BM_KatalogRohLesen(benchmark::State& state) {
    rohLesen(state, daten().produkte);
}
void BM_KatalogLaden(benchmark::State& state) {
    daten();
    for (auto _ : state) {
        TProduktliste l;
        l.Laden(daten().produkte);
        benchmark::DoNotOptimize(l.size());
    }
    state.SetBytesProcessed(state.iterations() * QFile(daten().produkte).size());
}

void BM_Rangfolge400x50(benchmark::State& state) {
    QRandomGenerator rng(7);
    std::vector<TChemieschutz> vorlage(400);
    for (auto& r : vorlage) {
        for (int i = 0; i < 50; ++i) {
            r.Permeation += QChar(u'0' + rng.bounded(7));
            r.Quellung += QChar(u'1' + rng.bounded(5));
        }
        r.Preisklasse = quint8(rng.bounded(4));
    }
    for (auto _ : state) {
        auto v = vorlage;
        rangfolge(v);
        benchmark::DoNotOptimize(v.data());
    }
}

} // namespace

BENCHMARK(BM_TabRohLesen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabLaden)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KatalogRohLesen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KatalogLaden)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rangfolge400x50)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
