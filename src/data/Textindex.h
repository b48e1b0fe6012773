#pragma once

#include <QHashFunctions>
#include <QStringView>

#include <vector>

// Record numbers by a text, open-addressed: for each text only the first record added is kept,
// so a lookup gives the first match in table order. The texts stay with the caller, who hands in
// a function giving record i's text. Each slot keeps the text's hash beside the record, so a
// probe reads a text only where the hashes agree.
class Textindex {
public:
    // Room for n records without growing; only on an empty index.
    void reservieren(std::size_t n) {
        if (m_anzahl == 0) m_plaetze.assign(groesseFuer(n), Platz{});
    }

    // Adds record i unless an earlier record has the same text.
    template <class TextVon> void einfuegen(qint32 i, TextVon textVon) {
        if (groesseFuer(m_anzahl + 1) > m_plaetze.size()) wachsen(m_anzahl + 1);
        const quint32 h = hash(textVon(i));
        std::size_t p = h & maske();
        for (; m_plaetze[p].satz >= 0; p = (p + 1) & maske())
            if (m_plaetze[p].hash == h && textVon(m_plaetze[p].satz) == textVon(i)) return;
        m_plaetze[p] = {i, h};
        ++m_anzahl;
    }

    // The first record with exactly this text, or -1.
    template <class TextVon> qint32 finde(QStringView t, TextVon textVon) const {
        if (m_plaetze.empty()) return -1;
        const quint32 h = hash(t);
        for (std::size_t p = h & maske(); m_plaetze[p].satz >= 0; p = (p + 1) & maske())
            if (m_plaetze[p].hash == h && textVon(m_plaetze[p].satz) == t) return m_plaetze[p].satz;
        return -1;
    }

private:
    struct Platz {
        qint32 satz = -1; // -1: free
        quint32 hash = 0;
    };

    static quint32 hash(QStringView t) { return static_cast<quint32>(qHash(t, kSamen)); }
    static constexpr std::size_t kSamen = 0x9E3779B9;

    // A power of two, at most two thirds full.
    static std::size_t groesseFuer(std::size_t n) {
        std::size_t g = 16;
        while (2 * g < 3 * n)
            g *= 2;
        return g;
    }
    std::size_t maske() const { return m_plaetze.size() - 1; }

    void wachsen(std::size_t fuer) {
        std::vector<Platz> alt(groesseFuer(fuer));
        alt.swap(m_plaetze);
        for (const Platz& a : alt) {
            if (a.satz < 0) continue;
            std::size_t p = a.hash & maske();
            while (m_plaetze[p].satz >= 0)
                p = (p + 1) & maske();
            m_plaetze[p] = a;
        }
    }

    std::vector<Platz> m_plaetze;
    std::size_t m_anzahl = 0;
};
