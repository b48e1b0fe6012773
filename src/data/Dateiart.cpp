#include "data/Dateiart.h"

#include "data/Bewertungsdatei.h"
#include "data/Gefahrendatei.h"

#include <QFileInfo>

std::optional<Dateiart> dateiart(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix();
    const auto ist = [&endung](const QString& e) {
        return endung.compare(e, Qt::CaseInsensitive) == 0;
    };
    if (ist(QStringLiteral("PLN"))) return Dateiart::Handschutzplan;
    if (ist(gefahrendatei::kEndung)) return Dateiart::Gefahrenanalyse;
    if (ist(bewertungsdatei::kEndung)) return Dateiart::Bewertung;
    return std::nullopt;
}
