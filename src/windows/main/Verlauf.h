#pragma once

#include <QList>
#include <QString>

#include <optional>

// One document of the information page's history and where it was scrolled to when left.
struct TVerlaufseintrag {
    QString datei; // full file name
    int position = 0;
    bool operator==(const TVerlaufseintrag&) const = default;
};

// The information page's history: entry 0 is the newest document, index() the one shown.
// Back moves to index + 1, forward to index - 1; an index without an entry is never reached.
class TVerlauf {
public:
    static constexpr int kGrenze = 10;

    // A newly shown document becomes entry 0 and is shown; the entries newer than the one shown
    // are dropped, as are the oldest beyond the limit. The shown entry keeps positionBisher.
    // The document already shown makes no second entry.
    void neu(const QString& datei, int positionBisher);

    // Moves by schritt (+1 back, -1 forward) and returns the entry to show, or nothing (and no
    // change) when there is no entry there. The entry left keeps positionBisher.
    std::optional<TVerlaufseintrag> gehe(int schritt, int positionBisher);

    int index() const { return m_index; }
    const QList<TVerlaufseintrag>& eintraege() const { return m_eintraege; }
    // The shown document; empty before the first.
    QString aktuell() const;

private:
    QList<TVerlaufseintrag> m_eintraege;
    int m_index = 0;
};
