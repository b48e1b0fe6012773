#pragma once

#include "app/Einstellungsspeicher.h"
#include "data/Produktliste.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

// With ARDENTIX_BILDER set to a folder, window tests leave pictures of what they showed there.
inline void bildSpeichern(QWidget& w, const QString& name) {
    const QString ordner = qEnvironmentVariable("ARDENTIX_BILDER");
    if (!ordner.isEmpty()) w.grab().save(ordner + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// A program directory of its own for a test: data directories with small catalogues, an
// address list and a settings store that is never the real user's.
class Testprogramm {
public:
    Testprogramm() { QDir(m_dir.path()).mkpath(QStringLiteral("EN")); }

    QString pfad() const { return m_dir.path(); }
    QString datei(const QString& name) const { return m_dir.filePath(name); }

    // A catalogue of `anzahl` gloves with codes 1000, 1001, ... in data directory `sprache`.
    void katalog(int anzahl, const QString& sprache = QStringLiteral("EN")) {
        QDir(m_dir.path()).mkpath(sprache);
        std::vector<std::unique_ptr<THandschuh>> halter;
        std::vector<const THandschuh*> liste;
        for (int i = 0; i < anzahl; ++i) {
            halter.push_back(neuerHandschuh(0));
            halter.back()->Nummer = 1000 + i;
            halter.back()->setzeText(Textfeld::Name, QStringLiteral("Glove %1").arg(i));
            liste.push_back(halter.back().get());
        }
        schreiben(sprache + QStringLiteral("/produkte.qvr"), produktdatei(liste));
    }

    void schreiben(const QString& name, const QByteArray& inhalt) {
        QFile f(datei(name));
        if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
    }

    // The standard address list of the tests: distributor 101, closed by "end".
    void adressen() {
        schreiben(QStringLiteral("EN/Adressen.QVR"),
                  "101\tNordhand GmbH\tHafenweg 2\t\tD\t20457 Hamburg\t040 1\t040 2\t"
                  "info@nordhand.example\twww.nordhand.example\t\r\nend\r\n");
    }

    std::unique_ptr<TQSettingsSpeicher> speicher() const {
        return TQSettingsSpeicher::inDatei(m_dir.filePath(QStringLiteral("settings.ini")));
    }

    // A store in which both records are already set up, so nothing asks.
    std::unique_ptr<TQSettingsSpeicher> eingerichteterSpeicher() const {
        auto s = speicher();
        s->schreiben(QStringLiteral("SOFTWARE\\QVR\\Palvex"), {QStringLiteral("An1")},
                     {QStringLiteral("000")});
        s->schreiben(QStringLiteral("SOFTWARE\\QVRUser"), {QStringLiteral("re1")},
                     {QStringLiteral("Me")});
        return s;
    }

private:
    QTemporaryDir m_dir;
};
