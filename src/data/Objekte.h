#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The glove classes of the catalogue. Plain data; code tells the classes apart by Typ.

using TWerte = std::array<quint8, 20>;

enum THandschuhTyp : quint8 {
    TypChemie = 0,
    TypIso = 1,
    TypElectro = 2,
    TypSchnitt = 3,
    TypFeuer = 4
};

// The eight texts of a glove, in the order the catalogue file holds them.
enum class Textfeld : quint8 {
    Beschreibung,
    Zusatztext,
    Bilddatei,
    Name,
    Farbe,
    Material,
    Ausfuehrung,
    Einheit
};
constexpr int kTextfelder = 8;

struct THandschuh {
    virtual ~THandschuh() = default;

    quint8 Typ = 0;
    quint8 Gruppe = 0;
    qint32 Nummer = 0;
    qint32 Laenge = 0;
    double Dicke = 0.0; // NaN where the file's value is no valid number: shown empty
    qint32 Packung = 0;
    quint8 Groessen = 0;
    quint8 Kategorie = 0;
    quint8 Umgebung = 0;
    quint8 Gefahr = 0;
    quint8 Griff = 0;
    quint8 Fingerfertigkeit = 0;
    quint8 Eigenschaften = 0;
    quint8 Materialklasse = 0;
    quint8 Laengenklasse = 0;
    qint32 Reserve = 0;

    QString text(Textfeld f) const;
    QString Beschreibung() const { return text(Textfeld::Beschreibung); }
    QString Zusatztext() const { return text(Textfeld::Zusatztext); }
    QString Bilddatei() const { return text(Textfeld::Bilddatei); }
    QString Name() const { return text(Textfeld::Name); }
    QString Farbe() const { return text(Textfeld::Farbe); }
    QString Material() const { return text(Textfeld::Material); }
    QString Ausfuehrung() const { return text(Textfeld::Ausfuehrung); }
    QString Einheit() const { return text(Textfeld::Einheit); }
    // The text's Windows-1252 bytes as the file holds them.
    QByteArrayView rohtext(Textfeld f) const;
    // The eight texts as the file holds them, each after its 4-byte length.
    QByteArrayView textblock() const;
    // Characters Windows-1252 cannot hold are kept as '?', as the file would keep them.
    void setzeText(Textfeld f, const QString& text);

    bool istElectro() const { return Typ == TypElectro; }

protected:
    THandschuh() = default;
    // Gloves are not copied: a loaded glove's texts live in its catalogue, as long as it does.
    THandschuh(THandschuh&&) = default;
    THandschuh& operator=(THandschuh&&) = default;

private:
    friend class TProduktliste;
    // The texts stay in the file's form, each after its 4-byte length. A loaded glove points at
    // its block in the catalogue's copy of the file, so loading allocates nothing per text; a
    // glove built in code holds a block of its own.
    const char* block() const;
    const char* m_fremd = nullptr;
    QByteArray m_eigen;
};

// Every knitted class carries Strickwerte and Klassenwerte; they are declared once here.
struct TStrick : THandschuh {
    TWerte Strickwerte{};
    TWerte Klassenwerte{};

protected:
    TStrick() = default;
};

struct TChemie : TStrick {
    TChemie() { Typ = TypChemie; }
    quint8 Preisklasse() const { return Klassenwerte[7]; }
};
struct TIso : TStrick {
    TIso() { Typ = TypIso; }
};

// The EN 511 levels of TIso (Klassenwerte 0..2: convective cold, contact cold, water
// penetration). Catalogues store level n as n - 1, so the values 0..4 keep showing the levels
// they always showed; level 0 and "not tested" cannot be written that way and take the two
// highest byte values.
constexpr quint8 KaelteStufeNull = 254;
constexpr quint8 KaelteNichtGeprueft = 255;
constexpr int KaelteX = -1;
// The level a stored cold value means: KaelteX for not tested, 0..5, or nothing for the bytes
// 5..253, which mean nothing.
std::optional<int> kaeltestufe(quint8 wert);
struct TSchnitt : TStrick {
    TSchnitt() { Typ = TypSchnitt; }
};
struct TFeuer : TStrick {
    TFeuer() { Typ = TypFeuer; }
};
struct TElectro : THandschuh {
    TElectro() { Typ = TypElectro; }
    TWerte Elektrowerte{};
};

// Typed views; null when the glove is not of that kind.
inline const TStrick* alsStrick(const THandschuh& h) {
    return h.istElectro() ? nullptr : static_cast<const TStrick*>(&h);
}
inline const TElectro* alsElectro(const THandschuh& h) {
    return h.istElectro() ? static_cast<const TElectro*>(&h) : nullptr;
}
inline const TChemie* alsChemie(const THandschuh& h) {
    return h.Typ == TypChemie ? static_cast<const TChemie*>(&h) : nullptr;
}

// One substance of the chemical table.
struct TStoff {
    qint32 Kennzahl = 0;
    quint8 Zustand = 0;
    QString CAS;
    QString Name;
    QString Permeation;
    std::array<quint8, 5> Quellung{}; // material classes 1..5 at index 0..4
    qint32 Pruefsumme = 0;

    // Solid (1), liquid (2) or gaseous (3): listed in a box of the search and found by its CAS
    // number. Any other state is in the table for the record only.
    static bool listbar(quint8 zustand) { return zustand >= 1 && zustand <= 3; }
    bool hatZustand() const { return listbar(Zustand); }

    quint8 quellungFuer(int materialklasse) const {
        return materialklasse >= 1 && materialklasse <= 5 ? Quellung[materialklasse - 1] : 0;
    }
    bool operator==(const TStoff&) const = default;
};

// One glove column's result for the current selection of substances.
struct TChemieschutz {
    qint32 Nummer = 0;
    QString Name;
    QString Permeation;
    QString Quellung;
    quint8 Preisklasse = 0;
};
