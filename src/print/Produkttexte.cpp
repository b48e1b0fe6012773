#include "print/Produkttexte.h"

#include "texte/Texte.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

// Level and unit texts belong to the product page's context in a language module.
QString uebersetzt(const char* s) {
    return QCoreApplication::translate("TForm2", s);
}

} // namespace

QString groessentext(quint8 groessen) {
    QStringList liste;
    for (int i = 0; i < 5; ++i)
        if (groessen & (1 << i)) liste << QString::number(i + 7);
    return liste.join(QStringLiteral(", "));
}

QString normtext(int piktogramm) {
    return piktogramm >= 0 && piktogramm <= 6 ? texte::text(10148 + piktogramm) : QString();
}

QString bewertungstext(int skala, int wert) {
    struct Skala {
        int erster;
        int anzahl;
    };
    static constexpr Skala skalen[] = {{10155, 4}, {10159, 4}, {10163, 9}};
    if (skala < 1 || skala > 3) return {};
    const Skala& s = skalen[skala - 1];
    return wert >= 0 && wert < s.anzahl ? texte::text(s.erster + wert) : QString();
}

QString leveltext(quint8 wert) {
    return wert == 0 ? uebersetzt(QT_TRANSLATE_NOOP("TForm2", "Level X"))
                     : uebersetzt(QT_TRANSLATE_NOOP("TForm2", "Level %1")).arg(wert - 1);
}

QString isoLeveltext(quint8 wert) {
    const std::optional<int> stufe = kaeltestufe(wert);
    if (!stufe) return {};
    return *stufe == KaelteX ? uebersetzt(QT_TRANSLATE_NOOP("TForm2", "Level X"))
                             : uebersetzt(QT_TRANSLATE_NOOP("TForm2", "Level %1")).arg(*stufe);
}

QString zahltext(double wert) {
    QString s = QString::number(wert, 'g', 15);
    // In the language of the texts around it ("1,5 mm" on a German page), not the system's.
    return s.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

std::array<QString, 10> elektrotexte(const TWerte& e) {
    const auto halb = [](quint8 v) { return zahltext(v / 2.0); };
    return {
        QString::number(5 * e[0] + 5) + uebersetzt(QT_TRANSLATE_NOOP("TForm2", " Mpa")),
        QString::number(50 * e[1] + 50) + uebersetzt(QT_TRANSLATE_NOOP("TForm2", " %")),
        QString::number(5 * e[2] + 5) + uebersetzt(QT_TRANSLATE_NOOP("TForm2", " N/mm")),
        QString::number(e[3] + 1) + uebersetzt(QT_TRANSLATE_NOOP("TForm2", " %")),
        bewertungstext(1, e[4]),
        bewertungstext(2, e[5]),
        bewertungstext(3, e[6]),
        halb(e[7]) + uebersetzt(QT_TRANSLATE_NOOP("TForm2", " (kV)AC")),
        halb(e[9]) + uebersetzt(QT_TRANSLATE_NOOP("TForm2", " (kV)")),
        halb(e[8]) + uebersetzt(QT_TRANSLATE_NOOP("TForm2", " (mA)")),
    };
}
