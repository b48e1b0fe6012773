#pragma once

#include <QByteArray>

#include <vector>

// The permeation codes of all substances, row after row. Nearly every code of a table is one of
// a dozen characters, so a row of only those is kept at four bits a code, half its size in the
// file; any other row is kept byte for byte.
class Codespeicher {
public:
    void leeren();
    // Room for `bytes` codes in `zeilen` rows in all, so filling never moves the buffers; the
    // memory is only taken up as rows come.
    void reservieren(qsizetype bytes, std::size_t zeilen);
    // Appends a row whose bytes are scrambled with `schluessel`; returns the sum of its clear
    // bytes.
    quint32 anhaengen(const char* verschluesselt, quint32 n, quint8 schluessel);
    void entfernenLetzte();
    // Gives back the room not used.
    void abschliessen();

    qsizetype size() const { return qsizetype(m_zeilen.size()); }
    // Row i's codes in Windows-1252.
    QByteArray zeile(qsizetype i) const;
    // Whether row i is kept at four bits a code.
    bool gepackt(qsizetype i) const { return !m_zeilen[std::size_t(i)].roh; }

private:
    struct Zeile {
        qsizetype anfang;
        quint32 laenge;
        bool roh;
    };
    char* platzFuer(qsizetype n);

    QByteArray m_daten;
    qsizetype m_ende = 0;
    std::vector<Zeile> m_zeilen;
};
