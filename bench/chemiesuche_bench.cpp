// The chemical search on a large table, and what its result grid costs to show: the widget
// paints the visible part only, where one picture of the whole grid would grow with rows x columns.
#include "data/Chemiesuche.h"
#include "windows/search/Ergebnisraster.h"

#include <QApplication>
#include <QImage>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

constexpr int kStoffe = 100000, kSpalten = 400, kGewaehlt = 50;
constexpr QSize kSichtbar(1000, 700); // the scroll area's viewport on a 1024 x 768 screen

// Tables generated and read back through the writers and readers.
struct Daten {
    TProduktliste katalog;
    TStoffliste stoffe;
    QStringList eintraege; // 50 chosen chemicals as the chosen list shows them

    Daten() {
        QRandomGenerator rng(7);
        QString spalten;
        std::vector<std::unique_ptr<THandschuh>> gloves;
        std::vector<const THandschuh*> g;
        for (int i = 0; i < kSpalten; ++i) {
            spalten += QStringLiteral("%1").arg(1000 + i, 4);
            auto h = std::make_unique<TChemie>();
            h->Nummer = 1000 + i;
            h->setzeText(Textfeld::Name, QStringLiteral("Chemical glove model %1").arg(i));
            h->Laenge = 300 + i % 4 * 100;
            h->Materialklasse = quint8(1 + i % 5);
            h->Klassenwerte[7] = quint8(i % 10);
            g.push_back(h.get());
            gloves.push_back(std::move(h));
        }
        if (katalog.ausBytes(produktdatei(g), "produkte.qvr")) std::abort();

        std::vector<TStoff> s(kStoffe);
        std::vector<const TStoff*> z;
        const QString codes = QStringLiteral("0123456?");
        for (int i = 0; i < kStoffe; ++i) {
            s[i].Name = QStringLiteral("Substance number %1").arg(i);
            s[i].CAS = QStringLiteral("%1-%2-%3").arg(100 + i).arg(i % 97).arg(i % 10);
            s[i].Permeation.resize(kSpalten);
            for (QChar& c : s[i].Permeation)
                c = codes[rng.bounded(8)];
            s[i].Zustand = quint8(1 + i % 3);
            s[i].Quellung = {1, 2, 3, 4, 5};
            s[i].Pruefsumme = pruefsumme(s[i]);
            z.push_back(&s[i]);
        }
        if (stoffe.ausBytes(stoffdatei(spalten, z), "tab.qvr")) std::abort();
        for (int k = 0; k < kGewaehlt; ++k)
            eintraege.append(
                auswahlEintrag("liquid", stoffe.name(rng.bounded(kStoffe)).toString()));
    }
};

Daten& daten() {
    static Daten d;
    return d;
}

void BM_Chemiesuche(benchmark::State& state) {
    Daten& d = daten();
    std::size_t ergebnisse = 0;
    for (auto _ : state) {
        const auto auswahl = auswahlAusEintraegen(d.stoffe, d.eintraege);
        auto e = chemiesuche(d.katalog, d.stoffe, auswahl, {});
        ergebnisse = e.Ergebnisliste.size();
        benchmark::DoNotOptimize(e);
    }
    state.counters["rows"] = double(ergebnisse);
}
BENCHMARK(BM_Chemiesuche)->Unit(benchmark::kMillisecond);

// The order of one of the three substance boxes, made when the search window is.
void BM_Stoffreihe(benchmark::State& state) {
    Daten& d = daten();
    for (auto _ : state)
        benchmark::DoNotOptimize(stoffreihe(d.stoffe, 2));
}
BENCHMARK(BM_Stoffreihe)->Unit(benchmark::kMillisecond);

// Painting the visible part of the grid, half way down; the counters compare the memory of one
// picture of the whole grid with the viewport the widget paints into.
void BM_RasterSichtbar(benchmark::State& state) {
    Daten& d = daten();
    const auto auswahl = auswahlAusEintraegen(d.stoffe, d.eintraege);
    const auto e = chemiesuche(d.katalog, d.stoffe, auswahl, {});
    std::vector<TChemieschutz> zeilen;
    // Rows as many as asked, repeating the search's 400 results.
    for (int i = 0; i < state.range(0); ++i)
        zeilen.push_back(e.Ergebnisliste[std::size_t(i) % e.Ergebnisliste.size()]);
    const TErgebnistabelle tabelle(std::move(zeilen), auswahl);
    TErgebnisraster raster;
    raster.zeigen(&tabelle);
    QImage sicht(kSichtbar, QImage::Format_ARGB32_Premultiplied);
    const QPoint oben(0, raster.height() / 2);
    for (auto _ : state) {
        raster.render(&sicht, QPoint(), QRegion(QRect(oben, kSichtbar)));
        benchmark::DoNotOptimize(sicht.constBits());
    }
    const double ganzesBild = double(raster.width()) * raster.height() * 4;
    state.counters["whole_picture_MB"] = ganzesBild / (1 << 20);
    state.counters["painted_MB"] = double(sicht.sizeInBytes()) / (1 << 20);
    state.counters["grid_px"] = double(raster.width()) * raster.height();
}
BENCHMARK(BM_RasterSichtbar)->Arg(400)->Arg(2000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
