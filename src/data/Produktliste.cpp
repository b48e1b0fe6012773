#include "data/Produktliste.h"

#include "data/ByteLeser.h"
#include "data/Extended80.h"
#include "shared/Codepage1252.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Typ, Gruppe, 8 empty texts, Nummer .. Reserve and one 20-byte block: the shortest record.
constexpr qint64 kKleinsterDatensatz = 2 + 8 * 4 + 4 + 4 + 10 + 4 + 9 + 4 + 20;

QString text(ByteLeser& l) {
    const quint32 n = l.u32();
    const char* p = l.bytes(n);
    return p ? cp1252::decode(p, n) : QString();
}

void werte(ByteLeser& l, TWerte& w) {
    if (const char* p = l.bytes(20)) std::memcpy(w.data(), p, 20);
}

} // namespace

void TProduktliste::Leeren() {
    while (!m_eintraege.empty())
        m_eintraege.pop_back();
}

void TProduktliste::sortieren() {
    std::stable_sort(m_eintraege.begin(), m_eintraege.end(),
                     [](const auto& a, const auto& b) { return a->Nummer < b->Nummer; });
}

const THandschuh* TProduktliste::finde(qint32 nummer) const {
    for (const auto& h : m_eintraege)
        if (h->Nummer == nummer) return h.get();
    return nullptr;
}

const THandschuh* TProduktliste::findeName(const QString& name) const {
    for (const auto& h : m_eintraege)
        if (h->Name == name) return h.get();
    return nullptr;
}

qsizetype TProduktliste::indexVon(const THandschuh* h) const {
    for (std::size_t i = 0; i < m_eintraege.size(); ++i)
        if (m_eintraege[i].get() == h) return static_cast<qsizetype>(i);
    return -1;
}

std::unique_ptr<THandschuh> neuerHandschuh(quint8 typ) {
    switch (typ) {
    case TypChemie:
        return std::make_unique<TChemie>();
    case TypIso:
        return std::make_unique<TIso>();
    case TypElectro:
        return std::make_unique<TElectro>();
    case TypSchnitt:
        return std::make_unique<TSchnitt>();
    case TypFeuer:
        return std::make_unique<TFeuer>();
    default:
        return nullptr;
    }
}

std::optional<Ladefehler> TProduktliste::Laden(const QString& pfad) {
    return ladenAusDatei(*this, pfad);
}

std::optional<Ladefehler> TProduktliste::ausBytes(const QByteArray& bytes, const QString& pfad) {
    Leeren();
    ByteLeser l(bytes);
    auto fehler = [&](qint64 offset, const QString& grund) {
        Leeren();
        return Ladefehler{pfad, offset, grund};
    };
    const quint32 anzahl = l.u32();
    if (!l.ok())
        return fehler(0, QStringLiteral("the file is shorter than its 4-byte glove count"));
    // Reserve no more than the bytes present can hold, whatever the count claims.
    m_eintraege.reserve(std::min<qint64>(anzahl, l.rest() / kKleinsterDatensatz));

    for (quint32 i = 0; i < anzahl; ++i) {
        const qint64 beginn = l.position();
        if (l.rest() == 0)
            return fehler(beginn, QStringLiteral("the count promises %1 gloves, but only %2 are "
                                                 "present")
                                      .arg(anzahl)
                                      .arg(i));
        const quint8 typ = l.u8();
        auto h = neuerHandschuh(typ);
        if (!h)
            return fehler(beginn, QStringLiteral("glove %1 has the unknown type %2 (0 to 4 are "
                                                 "known)")
                                      .arg(i + 1)
                                      .arg(typ));
        h->Gruppe = l.u8();
        for (QString* t : {&h->Beschreibung, &h->Zusatztext, &h->Bilddatei, &h->Name, &h->Farbe,
                           &h->Material, &h->Ausfuehrung, &h->Einheit})
            *t = text(l);
        h->Nummer = l.i32();
        h->Laenge = l.i32();
        extended80::Bytes dicke{};
        if (const char* p = l.bytes(10)) std::memcpy(dicke.data(), p, 10);
        h->Packung = l.i32();
        for (quint8* b :
             {&h->Groessen, &h->Kategorie, &h->Umgebung, &h->Gefahr, &h->Griff,
              &h->Fingerfertigkeit, &h->Eigenschaften, &h->Materialklasse, &h->Laengenklasse})
            *b = l.u8();
        h->Reserve = l.i32();
        if (auto* e = static_cast<TElectro*>(h->istElectro() ? h.get() : nullptr)) {
            werte(l, e->Elektrowerte);
        } else {
            auto* s = static_cast<TStrick*>(h.get());
            werte(l, s->Strickwerte);
            werte(l, s->Klassenwerte);
        }
        if (!l.ok())
            return fehler(l.fehlerOffset(), QStringLiteral("glove %1 (starting at byte %2) runs "
                                                           "past the end of the file")
                                                .arg(i + 1)
                                                .arg(beginn));
        // A value that is no number spoils only itself: the record around it is intact.
        h->Dicke = extended80::decode(dicke).value_or(std::numeric_limits<double>::quiet_NaN());
        m_eintraege.push_back(std::move(h));
    }
    // Equal product codes keep their file order so the catalogue reads the same every time. The
    // maker's file is in order already, which a look over it tells without sorting.
    if (!std::is_sorted(m_eintraege.begin(), m_eintraege.end(),
                        [](const auto& a, const auto& b) { return a->Nummer < b->Nummer; }))
        sortieren();
    return std::nullopt;
}

QByteArray produktdatei(const std::vector<const THandschuh*>& gloves) {
    ByteSchreiber w;
    w.u32(static_cast<quint32>(gloves.size()));
    for (const THandschuh* h : gloves) {
        w.u8(h->Typ);
        w.u8(h->Gruppe);
        for (const QString* t : {&h->Beschreibung, &h->Zusatztext, &h->Bilddatei, &h->Name,
                                 &h->Farbe, &h->Material, &h->Ausfuehrung, &h->Einheit}) {
            const QByteArray b = cp1252::encode(*t);
            w.u32(static_cast<quint32>(b.size()));
            w.bytes(b);
        }
        w.i32(h->Nummer);
        w.i32(h->Laenge);
        const auto d = extended80::encode(h->Dicke);
        w.bytes(QByteArray(reinterpret_cast<const char*>(d.data()), 10));
        w.i32(h->Packung);
        for (quint8 b :
             {h->Groessen, h->Kategorie, h->Umgebung, h->Gefahr, h->Griff, h->Fingerfertigkeit,
              h->Eigenschaften, h->Materialklasse, h->Laengenklasse})
            w.u8(b);
        w.i32(h->Reserve);
        auto block = [&](const TWerte& v) {
            w.bytes(QByteArray(reinterpret_cast<const char*>(v.data()), 20));
        };
        if (const TElectro* e = alsElectro(*h)) {
            block(e->Elektrowerte);
        } else {
            const TStrick* s = alsStrick(*h);
            block(s->Strickwerte);
            block(s->Klassenwerte);
        }
    }
    return w.daten();
}
