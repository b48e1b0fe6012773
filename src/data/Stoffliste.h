#pragma once

#include "data/Codespeicher.h"
#include "data/Ladefehler.h"
#include "data/Objekte.h"
#include "data/Textindex.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The scrambling key of tab.qvr for this build.
inline constexpr quint8 kStoffSchluessel = 0xA7;

class ByteLeser;

// The chemical substance table, held compactly: the permeation codes of all substances in one
// store, mostly at four bits a code; names and CAS numbers decoded once into one text; the few
// numbers per substance in a small record. TStoff is what a substance reads as for showing and
// writing.
class TStoffliste {
public:
    QString Spalten; // four characters per glove column: the product code

    void Leeren();

    // Reads tab.qvr. A missing file leaves the list empty with no error. Records with a wrong
    // checksum are dropped silently; on damage the records read before it stay loaded and the
    // damage is reported. An unusable column header loads nothing, not even the header.
    std::optional<Ladefehler> Laden(const QString& pfad);
    std::optional<Ladefehler> ausBytes(QByteArrayView bytes, const QString& datei);

    int SpaltenAnzahl() const;
    int SpaltenNummer(quint16 i) const;

    qsizetype size() const { return static_cast<qsizetype>(m_saetze.size()); }
    // Substance i decoded whole, for showing, printing and the tools.
    TStoff at(qsizetype i) const;
    // Substance i's fields read in place, for the searches and lists.
    QStringView name(qsizetype i) const { return text(2 * i); }
    QStringView cas(qsizetype i) const { return text(2 * i + 1); }
    quint8 zustand(qsizetype i) const { return m_saetze[std::size_t(i)].Zustand; }
    // Records of the last load left out for a wrong checksum.
    qsizetype verworfen() const { return m_verworfen; }

    // First substance in table order with exactly this name / CAS number (dots read as dashes);
    // -1 or nothing when there is none.
    qsizetype indexName(QStringView name) const;
    qsizetype indexCas(const QString& eingabe) const;
    // The chemical search's CAS look-up: every substance with this CAS number that one of the
    // state boxes lists, in table order (one number may name a substance in two strengths).
    QList<TStoff> casSuche(const QString& eingabe) const;

    void anhaengen(const TStoff& s);

private:
    // The fixed-size fields of a substance.
    struct Satz {
        qint32 Kennzahl = 0;
        qint32 Pruefsumme = 0;
        quint8 Zustand = 0;
        std::array<quint8, 5> Quellung{};
    };

    QStringView text(qsizetype j) const {
        const auto a = m_textAnfang[std::size_t(j)], e = m_textAnfang[std::size_t(j) + 1];
        return QStringView(m_texte).mid(a, e - a);
    }
    void abschliessen();
    std::optional<Ladefehler> lesen(ByteLeser& l, const QString& datei);

    Codespeicher m_codes;
    QString m_texte;                        // name and CAS of each substance, back to back
    std::vector<qsizetype> m_textAnfang{0}; // text j starts at m_textAnfang[j]; 2 per substance
    std::vector<Satz> m_saetze;
    // Each built on its first look-up, so a table loads without waiting for them and a search
    // by name never builds the CAS index.
    struct Index {
        Textindex index;
        qint32 bis = 0; // substances 0 .. bis - 1 are in it
    };
    template <class TextVon> qsizetype finde(Index& i, QStringView t, TextVon textVon) const;
    mutable Index m_namen, m_casNummern;
    qsizetype m_verworfen = 0;
};

// What makes a column header unusable: a length that is not a multiple of four, or a group that
// is not a product code. Nothing for a usable header; the reader and the tool's pack both ask.
struct Spaltenfehler {
    qsizetype stelle; // the character of the header where it goes wrong
    Meldung grund;
};
std::optional<Spaltenfehler> spaltenFehler(const QString& spalten);

// The checksum a record must carry.
qint32 pruefsumme(const TStoff& s);

// The file image; each record is written with its own Pruefsumme (set it with pruefsumme()).
QByteArray stoffdatei(const QString& spalten, const std::vector<const TStoff*>& stoffe);
