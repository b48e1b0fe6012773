// The English sample data set as built into build/EN: what the windows, searches and the
// chemical report rely on being there.
#include "data/Materialgruppen.h"
#include "data/Produktliste.h"
#include "data/Stoffliste.h"

#include <QRegularExpression>
#include <QTest>

#include <map>
#include <set>

namespace {
const QString kEN = QStringLiteral(ARDENTIX_BUILD_DIR "/EN/");
}

class TstDatensatz : public QObject {
    Q_OBJECT
    TProduktliste m_katalog;
    TStoffliste m_tabelle;

    int spalte(int nummer) const {
        for (int i = 0; i < m_tabelle.SpaltenAnzahl(); ++i)
            if (m_tabelle.SpaltenNummer(quint16(i)) == nummer) return i;
        return -1;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(!m_katalog.Laden(kEN + "produkte.qvr"));
        QVERIFY(!m_tabelle.Laden(kEN + "tab.qvr"));
    }

    void katalog() {
        QVERIFY(m_katalog.size() >= 60);
        std::map<int, int> proGruppe;
        std::set<int> typen;
        int ohneBild = 0;
        for (qsizetype i = 0; i < m_katalog.size(); ++i) {
            const THandschuh& h = m_katalog.at(i);
            ++proGruppe[h.Gruppe];
            typen.insert(h.Typ);
            ohneBild += h.Bilddatei().isEmpty();
            QVERIFY2(h.Nummer >= 1000 && h.Nummer <= 9999, qPrintable(h.Name()));
        }
        for (int g = 0; g <= 8; ++g)
            QVERIFY2(proGruppe[g] >= 3, qPrintable(QString::number(g)));
        QCOMPARE(typen, (std::set<int>{0, 1, 2, 3, 4}));
        QCOMPARE(ohneBild, 0); // every glove has its picture
        for (const char* name : {"Velto", "Marnix", "Plexon"}) {
            bool da = false;
            for (qsizetype i = 0; i < m_katalog.size(); ++i)
                da |= m_katalog.at(i).Name() == QLatin1String(name);
            QVERIFY2(da, name);
        }
    }

    // The chemical report's groups cover every chemical glove of the catalogue once, each group
    // one material, every code a column of the table.
    void materialgruppen() {
        std::set<int> codes;
        for (const Materialgruppe& g : ::materialgruppen()) {
            const THandschuh* ref = m_katalog.finde(g.referenz);
            QVERIFY(ref);
            for (qint32 c : g.codes) {
                const THandschuh* h = m_katalog.finde(c);
                QVERIFY2(h && h->Typ == TypChemie && h->Materialklasse == ref->Materialklasse,
                         qPrintable(QString::number(c)));
                QVERIFY2(spalte(c) >= 0, qPrintable(QString::number(c)));
                QVERIFY(codes.insert(c).second);
            }
        }
        int chemie = 0;
        for (qsizetype i = 0; i < m_katalog.size(); ++i)
            chemie += m_katalog.at(i).Typ == TypChemie;
        QCOMPARE(int(codes.size()), chemie);
    }

    // Within one material the price category must differ, or the ranking's last step never acts.
    void preisklassenUnterscheidenSich() {
        std::map<int, std::set<int>> preise;
        for (qsizetype i = 0; i < m_katalog.size(); ++i)
            if (const TChemie* c = alsChemie(m_katalog.at(i)))
                preise[c->Materialklasse].insert(c->Preisklasse());
        for (int k : {1, 2, 3})
            QVERIFY(preise[k].size() >= 3);
    }

    void stoffe_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("zustand");
        QTest::newRow("ethanol") << "64-17-5"
                                 << "Ethanol" << 2;
        QTest::newRow("sodium hydroxide") << "1310-73-2"
                                          << "Sodium hydroxide" << 1;
        QTest::newRow("ammonia") << "7664-41-7"
                                 << "Ammonia" << 3;
        // States as at 20 degrees Celsius: every substance can be picked from a tab.
        QTest::newRow("turpentine oil") << "8006-64-2"
                                        << "Turpentine oil" << 2;
        QTest::newRow("hydrogen cyanide, boiling at 25.6") << "74-90-8"
                                                           << "Hydrogen cyanide" << 2;
        QTest::newRow("tert-butanol, melting at 25") << "75-65-0"
                                                     << "tert-Butanol" << 1;
    }
    void stoffe() {
        QFETCH(QString, cas);
        QFETCH(QString, name);
        QFETCH(int, zustand);
        QVERIFY(m_tabelle.size() >= 200);
        QCOMPARE(m_tabelle.verworfen(), 0);
        const qsizetype i = m_tabelle.indexCas(cas);
        QVERIFY(i >= 0);
        const auto s = m_tabelle.at(i);
        QCOMPARE(s.Name, name);
        QCOMPARE(int(s.Zustand), zustand);
    }

    // Each polymer is strong where it really is strong, and the swelling agrees.
    void polymere_data() {
        QTest::addColumn<QString>("stoff");
        QTest::addColumn<int>("stark");   // reference glove expected at level 5 or 6
        QTest::addColumn<int>("schwach"); // reference glove expected at level 0 or 1
        QTest::addColumn<int>("klasseStark");
        QTest::newRow("hexane: nitrile, not latex") << "n-Hexane" << 4301 << 4101 << 3;
        QTest::newRow("acetone: butyl, not nitrile") << "Acetone" << 4401 << 4301 << 4;
        QTest::newRow("ethyl acetate: butyl, not nitrile") << "Ethyl acetate" << 4402 << 4301 << 4;
        QTest::newRow("glutaraldehyde: nitrile, not chloroprene")
            << "Glutaraldehyde 50 %" << 4301 << 4201 << 3;
        QTest::newRow("toluene: Viton, not chloroprene") << "Toluene" << 4501 << 4201 << 5;
        QTest::newRow("trichloroethylene: Viton, not nitrile")
            << "Trichloroethylene" << 4501 << 4311 << 5;
        QTest::newRow("hydrochloric acid: chloroprene")
            << "Hydrochloric acid 37 %" << 4201 << 4101 << 2;
        QTest::newRow("mineral oil: nitrile, not latex")
            << "White mineral oil (paraffin oil)" << 4311 << 4101 << 3;
    }
    void polymere() {
        QFETCH(QString, stoff);
        QFETCH(int, stark);
        QFETCH(int, schwach);
        QFETCH(int, klasseStark);
        const qsizetype i = m_tabelle.indexName(stoff);
        QVERIFY(i >= 0);
        const auto s = m_tabelle.at(i);
        const QChar a = s.Permeation[spalte(stark)], b = s.Permeation[spalte(schwach)];
        QVERIFY2(a == u'5' || a == u'6', qPrintable(s.Permeation));
        QVERIFY2(b == u'0' || b == u'1' || (stoff.contains("acid") && b <= u'3'),
                 qPrintable(s.Permeation));
        QCOMPARE(int(s.quellungFuer(klasseStark)), 1);
    }

    // The CAS search offers each of several entries with one number; the name of each solution
    // says which concentration that is.
    void gleicheCasNummern() {
        std::map<QString, QStringList> namen;
        for (qsizetype i = 0; i < m_tabelle.size(); ++i)
            if (m_tabelle.at(i).Zustand == 2) namen[m_tabelle.at(i).CAS] << m_tabelle.at(i).Name;
        int geteilt = 0;
        for (const auto& [cas, liste] : namen) {
            if (liste.size() < 2) continue;
            ++geteilt;
            for (const QString& n : liste)
                QVERIFY2(n.contains(QRegularExpression("\\d %$")), qPrintable(n));
        }
        QCOMPARE(geteilt, 3);
    }

    void untesteteZellen() {
        int fragezeichen = 0;
        for (qsizetype i = 0; i < m_tabelle.size(); ++i)
            fragezeichen += m_tabelle.at(i).Permeation.count(u'?');
        QVERIFY(fragezeichen > 0);
    }
};

QTEST_MAIN(TstDatensatz)
#include "tst_datensatz.moc"
