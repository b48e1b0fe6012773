#include "print/Silbentrennung.h"

#include <QFile>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <map>

#ifdef ARDENTIX_SILBENTRENNUNG
#include <hyphen.h>
#endif

namespace {

// Where Debian's hyphen-* packages put their dictionaries.
const QString kOrdner = QStringLiteral("/usr/share/hyphen/");

// Larger than any dictionary shipped (the German one has about 1 MiB): a file beyond it is no
// dictionary and is not read.
constexpr qint64 kHoechstens = 16 * 1024 * 1024;

// Longer runs of letters are no words and are left to the character-wise break.
constexpr qsizetype kLaengstesWort = 100;

bool istEinstellung(QByteArrayView zeile) {
    for (const char* name : {"LEFTHYPHENMIN", "RIGHTHYPHENMIN", "COMPOUNDLEFTHYPHENMIN",
                             "COMPOUNDRIGHTHYPHENMIN", "NOHYPHEN"})
        if (zeile.startsWith(name)) return true;
    return false;
}

// A pattern as libhyphen reads it: up to the first blank; its letters are that without the
// digits and without a non-standard replacement after "/".
QByteArrayView musterDerZeile(QByteArrayView zeile) {
    qsizetype n = 0;
    while (n < zeile.size() && static_cast<unsigned char>(zeile[n]) > ' ')
        ++n;
    return zeile.first(n);
}

} // namespace

std::unique_ptr<Silbentrennung> Silbentrennung::laden(const QString& datei) {
#ifdef ARDENTIX_SILBENTRENNUNG
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kHoechstens) return nullptr;
    std::unique_ptr<Silbentrennung> t(new Silbentrennung);
    t->m_text = f.read(kHoechstens);
    QByteArrayView rest(t->m_text);
    const auto naechsteZeile = [&rest] {
        qsizetype ende = rest.indexOf('\n');
        if (ende < 0) ende = rest.size();
        const QByteArrayView z = rest.first(ende).trimmed();
        rest = rest.sliced(std::min(ende + 1, rest.size()));
        return z;
    };
    t->m_zeichensatz = naechsteZeile();
    t->m_utf8 = t->m_zeichensatz == "UTF-8";
    if (!t->m_utf8 && t->m_zeichensatz != "ISO8859-1") return nullptr;

    // The letters go to one buffer first; the index's views into it are made once it is whole.
    struct Muster {
        qsizetype ebene, start, laenge;
        QByteArrayView zeile;
    };
    QList<Muster> muster;
    t->m_ebenen.append(Ebene());
    while (!rest.isEmpty()) {
        const QByteArrayView z = naechsteZeile();
        if (z.isEmpty() || z.startsWith('#') || z.startsWith('%')) continue;
        if (z.startsWith("NEXTLEVEL")) {
            t->m_ebenen.append(Ebene());
        } else if (istEinstellung(z)) {
            t->m_ebenen.last().kopf << z;
        } else {
            const QByteArrayView m = musterDerZeile(z);
            const qsizetype start = t->m_letters.size();
            const qsizetype schraeg = m.indexOf('/');
            for (const char c : m.first(schraeg < 0 ? m.size() : schraeg))
                if (c < '0' || c > '9') t->m_letters.append(c);
            const qsizetype laenge = t->m_letters.size() - start;
            t->m_laengstes = std::max(t->m_laengstes, laenge);
            muster.append({t->m_ebenen.size() - 1, start, laenge, m});
        }
    }
    for (const Muster& m : muster)
        t->m_ebenen[m.ebene].muster.insert(
            QByteArrayView(t->m_letters.constData() + m.start, m.laenge), m.zeile);
    return t;
#else
    Q_UNUSED(datei);
    return nullptr;
#endif
}

const Silbentrennung* Silbentrennung::sprache() {
    static std::map<QString, std::unique_ptr<Silbentrennung>> geladen;
    const QLocale sprache;
    const QString name = sprache.name();
    if (const auto it = geladen.find(name); it != geladen.end()) return it->second.get();
    std::unique_ptr<Silbentrennung> t;
    for (const QString& n : {name, name.section(QLatin1Char('_'), 0, 0)}) {
        t = laden(kOrdner + QStringLiteral("hyph_") + n + QStringLiteral(".dic"));
        if (t) break;
    }
    return geladen.emplace(name, std::move(t)).first->second.get();
}

QList<qsizetype> Silbentrennung::stellen(const QString& wort) const {
    QList<qsizetype> alle;
    for (qsizetype i = 0; i < wort.size();) {
        if (!wort[i].isLetter()) {
            ++i;
            continue;
        }
        qsizetype ende = i;
        while (ende < wort.size() && wort[ende].isLetter())
            ++ende;
        for (const qsizetype s : stellenImLauf(wort.mid(i, ende - i)))
            alle << i + s;
        i = ende;
    }
    return alle;
}

QList<qsizetype> Silbentrennung::stellenImLauf(const QString& lauf) const {
#ifdef ARDENTIX_SILBENTRENNUNG
    const QString klein = lauf.toLower();
    if (lauf.size() < 2 || lauf.size() > kLaengstesWort || klein.size() != lauf.size()) return {};
    QByteArray bytes;
    if (m_utf8) {
        bytes = klein.toUtf8();
    } else {
        if (std::any_of(klein.begin(), klein.end(), [](QChar c) { return c.unicode() > 0xFF; }))
            return {};
        bytes = klein.toLatin1();
    }

    // A dictionary of the patterns that occur in ".word.", in the order of their levels.
    const QByteArray mitRand = '.' + bytes + '.';
    QByteArray auszug = m_zeichensatz.toByteArray() + '\n';
    for (qsizetype e = 0; e < m_ebenen.size(); ++e) {
        if (e > 0) auszug += "NEXTLEVEL\n";
        for (const QByteArrayView k : m_ebenen[e].kopf)
            auszug += k.toByteArray() + '\n';
        QSet<QByteArrayView> gesehen;
        for (qsizetype a = 0; a < mitRand.size(); ++a)
            for (qsizetype n = 1; n <= m_laengstes && a + n <= mitRand.size(); ++n) {
                const QByteArrayView teil(mitRand.constData() + a, n);
                if (gesehen.contains(teil)) continue;
                gesehen.insert(teil);
                const auto [von, bis] = m_ebenen[e].muster.equal_range(teil);
                for (auto it = von; it != bis; ++it)
                    auszug += it->toByteArray() + '\n';
            }
    }

    // libhyphen reads dictionaries from a stream only.
    std::FILE* f = std::tmpfile();
    if (!f) return {};
    std::fwrite(auszug.constData(), 1, size_t(auszug.size()), f);
    std::rewind(f);
    HyphenDict* dict = hnj_hyphen_load_file(f);
    std::fclose(f);
    if (!dict) return {};

    QByteArray zeichen(bytes.size() + 5, '\0');
    char** rep = nullptr;
    int* pos = nullptr;
    int* cut = nullptr;
    const int links = std::max(2, int(dict->lhmin)), rechts = std::max(2, int(dict->rhmin));
    hnj_hyphen_hyphenate3(dict, bytes.constData(), int(bytes.size()), zeichen.data(), nullptr, &rep,
                          &pos, &cut, links, rechts, std::max(2, int(dict->clhmin)),
                          std::max(2, int(dict->crhmin)));
    QList<qsizetype> stellen;
    // The hyphen after a character stands at its last byte; a non-standard break (one that
    // changes letters) is not taken.
    qsizetype byte = 0;
    for (qsizetype k = 0; k + 1 < klein.size(); ++k) {
        const char16_t c = klein[k].unicode();
        byte += !m_utf8 || c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        if ((zeichen[byte - 1] & 1) && !(rep && rep[byte - 1])) stellen << k + 1;
    }
    if (rep) {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            std::free(rep[i]);
        std::free(rep);
    }
    std::free(pos);
    std::free(cut);
    hnj_hyphen_free(dict);
    return stellen;
#else
    Q_UNUSED(lauf);
    return {};
#endif
}
