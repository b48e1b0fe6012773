#include "StoffJson.h"

#include "JsonDatei.h"
#include "QvrFehler.h"
#include "Sprachtexte.h"
#include "data/Stoffliste.h"

#include <QJsonArray>

#include <limits>

namespace {

QJsonObject stoffNachJson(const TStoff& s) {
    QJsonArray q;
    for (quint8 b : s.Quellung)
        q.append(b);
    return {{"Name", s.Name},
            {"CAS", s.CAS},
            {"Permeation", s.Permeation},
            {"Zustand", s.Zustand},
            {"Kennzahl", s.Kennzahl},
            {"Quellung", q},
            {"Pruefsumme", s.Pruefsumme}};
}

std::unique_ptr<TStoff> stoffAusJson(const QJsonObject& o, qsizetype nr) {
    const jsondatei::Feld f(o, QStringLiteral("substance %1").arg(nr));
    f.nurBekannte({"Name", "CAS", "Permeation", "Zustand", "Kennzahl", "Quellung", "Pruefsumme"});
    constexpr qint64 lo = std::numeric_limits<qint32>::min(),
                     hi = std::numeric_limits<qint32>::max();
    auto s = std::make_unique<TStoff>();
    s->Name = f.text("Name");
    s->CAS = f.text("CAS");
    s->Permeation = f.text("Permeation");
    s->Zustand = static_cast<quint8>(f.ganz("Zustand", 0, 255));
    s->Kennzahl = static_cast<qint32>(f.ganz("Kennzahl", lo, hi));
    const auto q = f.bytes("Quellung", 5);
    std::copy(q.begin(), q.end(), s->Quellung.begin());
    // A given checksum is kept as it is, so test files with wrong checksums can be made.
    s->Pruefsumme =
        f.hat("Pruefsumme") ? static_cast<qint32>(f.ganz("Pruefsumme", lo, hi)) : pruefsumme(*s);
    return s;
}

} // namespace

int stoffBefehl(const QStringList& args) {
    if (args.size() == 2 && args[0] == QLatin1String("dump")) {
        TStoffliste liste;
        if (const auto f = liste.ausBytes(jsondatei::lesenRoh(args[1]), args[1]))
            ungueltig(f->meldung());
        QJsonArray stoffe;
        for (qsizetype i = 0; i < liste.size(); ++i)
            stoffe.append(stoffNachJson(liste.at(i)));
        jsondatei::ausgeben(QJsonObject{
            {"Spalten", liste.Spalten}, {"substances", stoffe}, {"dropped", liste.verworfen()}});
        return 0;
    }
    if ((args.size() == 3 || args.size() == 4) && args[0] == QLatin1String("pack")) {
        const QJsonObject wurzel = jsondatei::lesen(args[1]);
        const jsondatei::Feld kopf(wurzel, args[1]);
        kopf.nurBekannte({"Spalten", "substances", "dropped"});
        const QString spalten = kopf.text("Spalten");
        // What the program could not read is not written.
        if (const auto f = spaltenFehler(spalten))
            ungueltig(args[1] + QStringLiteral(": ") + f->grund.woerter());
        if (!wurzel.value("substances").isArray())
            ungueltig(args[1] + QStringLiteral(": \"substances\" must be an array"));
        QJsonArray a = wurzel.value("substances").toArray();
        if (args.size() == 4)
            a = mitSprachtexten(a, "Kennzahl", sprachtexteLesen(args[3], "substances"), args[3]);
        std::vector<std::unique_ptr<TStoff>> stoffe;
        std::vector<const TStoff*> zeiger;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (!a[i].isObject())
                ungueltig(QStringLiteral("substance %1 is not a JSON object").arg(i + 1));
            stoffe.push_back(stoffAusJson(a[i].toObject(), i + 1));
            zeiger.push_back(stoffe.back().get());
        }
        jsondatei::schreibenAtomar(args[2], stoffdatei(spalten, zeiger));
        return 0;
    }
    falscheBenutzung(
        QStringLiteral("Usage: qvr substances dump FILE | qvr substances pack JSON OUT [TEXTS]"));
}
