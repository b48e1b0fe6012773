#pragma once

#include "data/Ladefehler.h"
#include "data/Objekte.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The scrambling key of tab.qvr for this build.
inline constexpr quint8 kStoffSchluessel = 0xA7;

// The chemical substance table: owns its substances, in file order.
class TStoffliste {
public:
    QString Spalten; // four characters per glove column: the product code

    void Leeren();

    // Reads tab.qvr. A missing file leaves the list empty with no error. Records with a wrong
    // checksum are dropped silently; on damage the records read before it stay loaded and the
    // damage is reported. An unusable column header loads nothing, not even the header.
    std::optional<Ladefehler> Laden(const QString& pfad);
    std::optional<Ladefehler> ausBytes(const QByteArray& bytes, const QString& datei);

    int SpaltenAnzahl() const;
    int SpaltenNummer(quint16 i) const;

    qsizetype size() const { return static_cast<qsizetype>(m_stoffe.size()); }
    const TStoff& at(qsizetype i) const { return *m_stoffe[static_cast<std::size_t>(i)]; }
    // Records of the last load left out for a wrong checksum.
    qsizetype verworfen() const { return m_verworfen; }

    // First substance in table order with exactly this name / CAS number (dots read as dashes).
    const TStoff* findeName(const QString& name) const;
    const TStoff* findeCas(const QString& eingabe) const;

    void anhaengen(std::unique_ptr<TStoff> s) { m_stoffe.push_back(std::move(s)); }

private:
    std::vector<std::unique_ptr<TStoff>> m_stoffe;
    qsizetype m_verworfen = 0;
};

// What makes a column header unusable: a length that is not a multiple of four, or a group that
// is not a product code. Nothing for a usable header; the reader and the tool's pack both ask.
struct Spaltenfehler {
    qsizetype stelle; // the character of the header where it goes wrong
    QString grund;
};
std::optional<Spaltenfehler> spaltenFehler(const QString& spalten);

// The checksum a record must carry.
qint32 pruefsumme(const TStoff& s);

// The file image; each record is written with its own Pruefsumme (set it with pruefsumme()).
QByteArray stoffdatei(const QString& spalten, const std::vector<const TStoff*>& stoffe);
