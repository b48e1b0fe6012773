#include "data/Produktliste.h"

#include "data/ByteLeser.h"
#include "data/Extended80.h"
#include "shared/Codepage1252.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// Nummer .. Reserve: the fields after the texts, before the 20-byte blocks.
constexpr qint64 kFesteFelder = 4 + 4 + 10 + 4 + 9 + 4;
// Typ, Gruppe, 8 empty texts, the fixed fields and one 20-byte block: the shortest record.
constexpr qint64 kKleinsterDatensatz = 2 + 8 * 4 + kFesteFelder + 20;

// The fields after the texts.
void festeFelder(ByteLeser& l, THandschuh& h, extended80::Bytes& dicke) {
    h.Nummer = l.i32();
    h.Laenge = l.i32();
    if (const char* p = l.bytes(10)) std::memcpy(dicke.data(), p, 10);
    h.Packung = l.i32();
    // One by one rather than through a list of their places, which the compiler builds anew
    // for every glove.
    h.Groessen = l.u8();
    h.Kategorie = l.u8();
    h.Umgebung = l.u8();
    h.Gefahr = l.u8();
    h.Griff = l.u8();
    h.Fingerfertigkeit = l.u8();
    h.Eigenschaften = l.u8();
    h.Materialklasse = l.u8();
    h.Laengenklasse = l.u8();
    h.Reserve = l.i32();
    auto werte = [&](TWerte& w) {
        if (const char* p = l.bytes(20)) std::memcpy(w.data(), p, 20);
    };
    if (h.istElectro()) {
        werte(static_cast<TElectro&>(h).Elektrowerte);
    } else {
        auto& s = static_cast<TStrick&>(h);
        werte(s.Strickwerte);
        werte(s.Klassenwerte);
    }
}

// The one glove factory: hands the class of Typ `typ` to machen (as a template argument) and
// returns what it made; null for a Typ outside 0..4. The variant holds the classes in Typ order,
// so a Typ is the index of its class.
template <class Machen, std::size_t... I>
THandschuh* nachTyp(quint8 typ, Machen machen, std::index_sequence<I...> /*unused*/) {
    THandschuh* h = nullptr;
    ((typ == I &&
      (h = machen.template operator()<std::variant_alternative_t<I, Handschuhklasse>>())) ||
     ...);
    return h;
}
template <class Machen> THandschuh* nachTyp(quint8 typ, Machen machen) {
    return nachTyp(typ, machen, std::make_index_sequence<std::variant_size_v<Handschuhklasse>>());
}

} // namespace

void TProduktliste::Leeren() {
    m_sortiert = true;
    m_eintraege.clear();
    m_block.clear();
    m_einzeln.clear();
    m_datei.clear();
}

void TProduktliste::anhaengen(std::unique_ptr<THandschuh> h) {
    if (!m_eintraege.empty() && h->Nummer < m_eintraege.back()->Nummer) m_sortiert = false;
    m_eintraege.push_back(h.get());
    m_einzeln.push_back(std::move(h));
}

void TProduktliste::sortieren() {
    Verlauf v;
    for (std::size_t i = 1; i < m_eintraege.size() && (v.steigend || v.fallend); ++i)
        v.weiter(m_eintraege[i - 1]->Nummer, m_eintraege[i]->Nummer);
    ordnen(v);
}

void TProduktliste::ordnen(Verlauf v) {
    // A catalogue kept newest first runs strictly downwards: turned round it is in order, and
    // with no two codes equal there is no order of twins to keep. The general sort would shift
    // every glove one place at a time in its first pass over such a list.
    if (!v.steigend && v.fallend)
        std::reverse(m_eintraege.begin(), m_eintraege.end());
    else if (!v.steigend)
        std::stable_sort(
            m_eintraege.begin(), m_eintraege.end(),
            [](const THandschuh* a, const THandschuh* b) { return a->Nummer < b->Nummer; });
    m_sortiert = true;
}

const THandschuh* TProduktliste::finde(qint32 nummer) const {
    // In a sorted catalogue the first of equal codes in order is the first found by halves.
    if (m_sortiert) {
        const auto it =
            std::lower_bound(m_eintraege.begin(), m_eintraege.end(), nummer,
                             [](const THandschuh* h, qint32 n) { return h->Nummer < n; });
        return it != m_eintraege.end() && (*it)->Nummer == nummer ? *it : nullptr;
    }
    for (const THandschuh* h : m_eintraege)
        if (h->Nummer == nummer) return h;
    return nullptr;
}

const THandschuh* TProduktliste::findeName(const QString& name) const {
    // Compared in the file's code page; a name it cannot hold is no glove's.
    if (cp1252::firstUnencodable(name) >= 0) return nullptr;
    const QByteArray roh = cp1252::encode(name);
    for (const THandschuh* h : m_eintraege)
        if (h->rohtext(Textfeld::Name) == roh) return h;
    return nullptr;
}

qsizetype TProduktliste::indexVon(const THandschuh* h) const {
    const auto it = std::find(m_eintraege.begin(), m_eintraege.end(), h);
    return it == m_eintraege.end() ? -1 : static_cast<qsizetype>(it - m_eintraege.begin());
}

// Inline: the reader makes every glove of a file here, and only it calls this.
inline THandschuh* TProduktliste::anlegen(quint8 typ) {
    Q_ASSERT(m_block.size() < m_block.capacity());
    return nachTyp(typ, [this]<class K>() -> THandschuh* {
        return &std::get<K>(m_block.emplace_back(std::in_place_type<K>));
    });
}

std::unique_ptr<THandschuh> neuerHandschuh(quint8 typ) {
    return std::unique_ptr<THandschuh>(
        nachTyp(typ, []<class K>() -> THandschuh* { return new K; }));
}

std::optional<Ladefehler> TProduktliste::Laden(const QString& pfad) {
    return ladenAusDatei(*this, pfad);
}

std::optional<Ladefehler> TProduktliste::ausBytes(const QByteArray& bytes, const QString& pfad) {
    Leeren();
    // The gloves point at their texts in these bytes. Bytes that only borrow their memory
    // (QByteArray::fromRawData) share nothing when copied: those are copied deep, as the caller
    // may free them after the call.
    m_datei = bytes;
    if (!m_datei.isSharedWith(bytes)) m_datei = QByteArray(bytes.constData(), bytes.size());
    ByteLeser l(m_datei);
    auto fehler = [&](qint64 offset, const Meldung& grund) {
        Leeren();
        return Ladefehler{pfad, offset, grund};
    };
    const quint32 anzahl = l.u32();
    if (!l.ok())
        return fehler(0, ladegrund(QT_TRANSLATE_NOOP(
                             "ladefehler", "the file is shorter than its 4-byte glove count")));
    // Reserve no more than the bytes present can hold, whatever the count claims. The block must
    // never move: glove i is made only after i whole records of at least the smallest size, so
    // i + 1 <= rest / smallest + 1, the one more being the record that may turn out cut short.
    const qint64 platz = std::min<qint64>(anzahl, l.rest() / kKleinsterDatensatz + 1);
    m_block.reserve(static_cast<std::size_t>(platz));
    m_eintraege.reserve(static_cast<std::size_t>(platz));
    Verlauf verlauf; // of the product codes, told as they come, so no pass after tells it

    for (quint32 i = 0; i < anzahl; ++i) {
        const qint64 beginn = l.position();
        if (l.rest() == 0)
            return fehler(beginn, ladegrund(QT_TRANSLATE_NOOP("ladefehler",
                                                              "the count promises %1 gloves, but "
                                                              "only %2 are present"),
                                            {QString::number(anzahl), QString::number(i)}));
        const quint8 typ = l.u8();
        THandschuh* h = anlegen(typ);
        if (!h)
            return fehler(beginn, ladegrund(QT_TRANSLATE_NOOP("ladefehler",
                                                              "glove %1 has the unknown type %2 "
                                                              "(0 to 4 are known)"),
                                            {QString::number(i + 1), QString::number(typ)}));
        h->Gruppe = l.u8();
        h->m_fremd = m_datei.constData() + l.position();
        for (int k = 0; k < kTextfelder; ++k)
            l.bytes(l.u32());
        extended80::Bytes dicke{};
        festeFelder(l, *h, dicke);
        if (!l.ok())
            return fehler(l.fehlerOffset(),
                          ladegrund(QT_TRANSLATE_NOOP("ladefehler", "glove %1 (starting at byte "
                                                                    "%2) runs past the end of the "
                                                                    "file"),
                                    {QString::number(i + 1), QString::number(beginn)}));
        // A value that is no number spoils only itself: the record around it is intact.
        h->Dicke = extended80::decode(dicke).value_or(std::numeric_limits<double>::quiet_NaN());
        if (i > 0) verlauf.weiter(m_eintraege.back()->Nummer, h->Nummer);
        m_eintraege.push_back(h);
    }
    // Equal product codes keep their file order so the catalogue reads the same every time. The
    // maker's file is in order already, and then nothing is sorted.
    ordnen(verlauf);
    return std::nullopt;
}

QByteArray produktdatei(const std::vector<const THandschuh*>& gloves) {
    ByteSchreiber w;
    w.u32(static_cast<quint32>(gloves.size()));
    for (const THandschuh* h : gloves) {
        w.u8(h->Typ);
        w.u8(h->Gruppe);
        w.bytes(h->textblock().toByteArray());
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
