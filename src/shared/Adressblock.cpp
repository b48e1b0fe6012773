#include "shared/Adressblock.h"

#include "shared/Codepage1252.h"
#include "texte/Texte.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Far longer than any distributor line; a longer line is cut so a damaged file cannot make us
// hold it whole.
constexpr qint64 kMaxZeile = 64 * 1024;

QStringList nummerierteNamen(const QString& vorsilbe, int anzahl) {
    QStringList namen;
    for (int i = 1; i <= anzahl; ++i)
        namen.append(vorsilbe + QString::number(i));
    return namen;
}

template <std::size_t N> QStringList alsListe(const std::array<QString, N>& werte) {
    return QStringList(werte.begin(), werte.end());
}

template <std::size_t N> void uebernehmen(const QStringList& werte, std::array<QString, N>& ziel) {
    for (std::size_t i = 0; i < N; ++i)
        ziel[i] = i < std::size_t(werte.size()) ? werte[qsizetype(i)] : QString();
}

// The next line without its ending (LF or CR LF); nothing at the end of the file.
std::optional<QByteArray> naechsteZeile(QIODevice& datei) {
    if (datei.atEnd()) return std::nullopt;
    QByteArray zeile = datei.readLine(kMaxZeile);
    if (zeile.endsWith('\n')) {
        zeile.chop(1);
    } else {
        char c = 0;
        while (datei.getChar(&c) && c != '\n') {
        }
    }
    if (zeile.endsWith('\r')) zeile.chop(1);
    return zeile;
}

} // namespace

TAdressblock standardAdressblock() {
    TAdressblock b;
    b.An[0] = QStringLiteral("000");
    for (int i = 1; i < 10; ++i)
        b.An[std::size_t(i)] = texte::text(10271 + i);
    return b;
}

TAdressblock zeileZerlegen(const QString& zeile) {
    TAdressblock b;
    QString rest = zeile;
    for (int i = 0; i < 10; ++i) {
        const qsizetype tab = rest.indexOf(QLatin1Char('\t'));
        if (tab >= 0) {
            b.An[std::size_t(i)] = rest.left(tab);
            rest = rest.mid(tab + 1);
        } else {
            // A last field without a closing tab counts only as the tenth field.
            if (i == 9) b.An[9] = rest;
            rest.clear();
        }
    }
    return b;
}

bool codeNachschlagen(const QString& adressdatei, const QString& code, TAdressblock& block) {
    if (!QFileInfo(adressdatei).isFile()) return false; // a pipe would wait in open()
    QFile datei(adressdatei);
    if (!datei.open(QIODevice::ReadOnly)) return false;
    QString letzte;
    while (const auto zeile = naechsteZeile(datei)) {
        letzte = cp1252::decode(*zeile);
        if (letzte.left(3) == code) break;
    }
    if (letzte == QLatin1String("end")) return false;
    block = zeileZerlegen(letzte);
    return true;
}

TAdressblock adressblockEinrichten(TEinstellungen& speicher, const QString& adressdatei,
                                   const CodeFrage& codeErfragen) {
    TAdressblock b = standardAdressblock();
    const QStringList namen = nummerierteNamen(QStringLiteral("An"), 10);
    if (speicher.vorhanden(kSchluesselAdressblock)) {
        if (const auto werte = speicher.lesen(kSchluesselAdressblock, namen))
            uebernehmen(*werte, b.An);
        return b;
    }
    const std::optional<QString> code = codeErfragen();
    if (!code) return b; // asked again at the next start
    if (!code->isEmpty() && QFile::exists(adressdatei)) codeNachschlagen(adressdatei, *code, b);
    speicher.schreiben(kSchluesselAdressblock, namen, alsListe(b.An));
    return b;
}

bool adressblockErsetzen(TEinstellungen& speicher, const TAdressblock& block) {
    if (!speicher.vorhanden(kSchluesselAdressblock)) return false;
    speicher.loeschen(kSchluesselAdressblock);
    speicher.schreiben(kSchluesselAdressblock, nummerierteNamen(QStringLiteral("An"), 10),
                       alsListe(block.An));
    return true;
}

bool haendlerWechseln(TEinstellungen* speicher, const QString& adressdatei, const QString& code,
                      TAdressblock& block) {
    if (!QFile::exists(adressdatei)) return false;
    codeNachschlagen(adressdatei, code, block);
    if (speicher) adressblockErsetzen(*speicher, block);
    return true;
}

void benutzerdatenPruefen(TEinstellungen& speicher, TBenutzerdaten& daten,
                          const BenutzerDialog& dialog) {
    const QStringList namen = nummerierteNamen(QStringLiteral("re"), 4);
    if (speicher.vorhanden(kSchluesselBenutzer)) {
        if (const auto werte = speicher.lesen(kSchluesselBenutzer, namen))
            uebernehmen(*werte, daten.re);
        return;
    }
    dialog(daten);
    benutzerdatenSpeichern(speicher, daten);
}

void benutzerdatenSpeichern(TEinstellungen& speicher, const TBenutzerdaten& daten) {
    speicher.schreiben(kSchluesselBenutzer, nummerierteNamen(QStringLiteral("re"), 4),
                       alsListe(daten.re));
}
