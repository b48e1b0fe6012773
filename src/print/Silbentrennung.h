#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QMultiHash>
#include <QString>

#include <memory>

// Where a word may take a hyphen, from a hyphenation dictionary in libhyphen's format, as
// Debian's hyphen-* packages install them to /usr/share/hyphen.
//
// libhyphen builds its automaton from the whole file, which for the German dictionary takes
// seconds; so the file is only indexed here, and each word is hyphenated by an automaton built
// from the few patterns that occur in it. Patterns that do not occur in a word never change its
// hyphens, so the result is the whole dictionary's.
class Silbentrennung {
public:
    // The dictionary in `datei`; null when it is missing, not a dictionary, or libhyphen was not
    // there when the program was built.
    static std::unique_ptr<Silbentrennung> laden(const QString& datei);
    // The dictionary of the language in use (the default locale), read once per language; null
    // where the system has none, and long words then break between characters.
    static const Silbentrennung* sprache();

    // The positions i, 0 < i < wort.size(), at which wort may break as wort.left(i) + "-" and
    // wort.mid(i): inside its runs of letters, as the dictionary hyphenates them.
    QList<qsizetype> stellen(const QString& wort) const;

private:
    struct Ebene {
        QList<QByteArrayView> kopf; // settings (LEFTHYPHENMIN ...) of this level
        QMultiHash<QByteArrayView, QByteArrayView> muster; // letters (digits taken out) -> line
    };

    QList<qsizetype> stellenImLauf(const QString& lauf) const;

    QByteArray m_text;    // the file as read
    QByteArray m_letters; // every pattern's letters, which the index's keys view
    QByteArrayView m_zeichensatz;
    bool m_utf8 = false;
    qsizetype m_laengstes = 0; // the longest pattern's letters, in bytes
    QList<Ebene> m_ebenen;
};
