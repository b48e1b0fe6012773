#include "windows/main/Verlauf.h"

void TVerlauf::neu(const QString& datei, int positionBisher) {
    if (datei == aktuell()) return;
    if (!m_eintraege.isEmpty()) m_eintraege[m_index].position = positionBisher;
    m_eintraege.remove(0, m_index);
    m_eintraege.prepend({datei, 0});
    if (m_eintraege.size() > kGrenze) m_eintraege.resize(kGrenze);
    m_index = 0;
}

std::optional<TVerlaufseintrag> TVerlauf::gehe(int schritt, int positionBisher) {
    const int ziel = m_index + schritt;
    if (ziel < 0 || ziel >= m_eintraege.size()) return std::nullopt;
    m_eintraege[m_index].position = positionBisher;
    m_index = ziel;
    return m_eintraege[m_index];
}

QString TVerlauf::aktuell() const {
    return m_eintraege.isEmpty() ? QString() : m_eintraege[m_index].datei;
}
