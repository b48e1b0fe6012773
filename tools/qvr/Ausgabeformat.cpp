#include "Ausgabeformat.h"

#include "QvrFehler.h"

#include <cstdio>

Ausgabeformat ausgabeformatNehmen(QStringList& args) {
    Ausgabeformat format = Ausgabeformat::Text;
    // Options come in pairs, so a value that reads "--format" is no option.
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] != QLatin1String("--format")) continue;
        const QString w = args[i + 1];
        if (w == QLatin1String("text"))
            format = Ausgabeformat::Text;
        else if (w == QLatin1String("csv"))
            format = Ausgabeformat::Csv;
        else if (w == QLatin1String("json"))
            format = Ausgabeformat::Json;
        else
            falscheBenutzung(QStringLiteral("--format takes text, csv or json, not \"%1\"").arg(w));
        args.remove(i, 2);
        i -= 2;
    }
    return format;
}

void rohAusgeben(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}
