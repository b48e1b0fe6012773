#pragma once

#include "data/Ladefehler.h"
#include "data/Objekte.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

// The glove classes in Typ order.
using Handschuhklasse = std::variant<TChemie, TIso, TElectro, TSchnitt, TFeuer>;

// The product catalogue: owns its gloves, kept sorted by Nummer.
class TProduktliste {
public:
    void Leeren();

    // Reads produkte.qvr. A missing file leaves the list empty with no error (the caller reports
    // it); a damaged file leaves it empty and says what is wrong and where.
    std::optional<Ladefehler> Laden(const QString& pfad);
    // The same over bytes already read; datei only names the source in the error.
    std::optional<Ladefehler> ausBytes(const QByteArray& bytes, const QString& datei);

    qsizetype size() const { return static_cast<qsizetype>(m_eintraege.size()); }
    bool isEmpty() const { return m_eintraege.empty(); }
    const THandschuh& at(qsizetype i) const { return *m_eintraege[static_cast<std::size_t>(i)]; }
    // First glove with that product code in catalogue order; null when there is none.
    const THandschuh* finde(qint32 nummer) const;
    // First glove whose Name is exactly name; null when there is none.
    const THandschuh* findeName(const QString& name) const;
    qsizetype indexVon(const THandschuh* h) const;

    // Appends a glove (tools and tests build catalogues this way) without sorting.
    void anhaengen(std::unique_ptr<THandschuh> h);
    void sortieren();

private:
    // How the product codes of the list run: never down, or strictly down all the way.
    struct Verlauf {
        bool steigend = true;
        bool fallend = true;
        void weiter(qint32 vorher, qint32 jetzt) {
            steigend &= vorher <= jetzt;
            fallend &= vorher > jetzt;
        }
    };
    void ordnen(Verlauf v);
    THandschuh* anlegen(quint8 typ);

    // The file's gloves in one block, reserved before reading so it never moves; gloves
    // appended one by one are owned on their own. m_eintraege holds both in catalogue order.
    std::vector<Handschuhklasse> m_block;
    std::vector<std::unique_ptr<THandschuh>> m_einzeln;
    std::vector<THandschuh*> m_eintraege;
    QByteArray m_datei;     // the file read, holding the loaded gloves' texts
    bool m_sortiert = true; // m_eintraege in Nummer order, so finde() may search by halves
};

std::unique_ptr<THandschuh> neuerHandschuh(quint8 typ); // null for a Typ outside 0..4

// The file image of gloves in the given order.
QByteArray produktdatei(const std::vector<const THandschuh*>& gloves);
