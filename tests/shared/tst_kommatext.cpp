#include "shared/KommaText.h"

#include <QTest>

class TstKommaText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void schreibenUndLesen_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("gelesen");
        const QStringList drei = {"a", "two words", "say \"hi"};
        QTest::newRow("quotes where needed") << drei << R"(a,"two words","say ""hi")" << drei;
        QTest::newRow("one heading")
            << QStringList{"Areas of practice:"} << "\"Areas of practice:\""
            << QStringList{"Areas of practice:"};
        QTest::newRow("one empty line") << QStringList{""} << "\"\"" << QStringList{""};
        QTest::newRow("no lines") << QStringList{} << "" << QStringList{};
        QTest::newRow("trailing empty line is lost")
            << QStringList{"a", ""} << "a," << QStringList{"a"};
        QTest::newRow("empty line among others")
            << QStringList{"a", "", "b"} << "a,,b" << QStringList{"a", "", "b"};
        QTest::newRow("comma and control characters")
            << QStringList{"x,y", "tab\there", "ü€"} << "\"x,y\",\"tab\there\",ü€"
            << QStringList{"x,y", "tab\there", "ü€"};
    }
    void schreibenUndLesen() {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, text);
        QFETCH(QStringList, gelesen);
        QCOMPARE(kommatext::schreiben(zeilen), text);
        QCOMPARE(kommatext::lesen(text), gelesen);
    }

    void lesenFremderTexte_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<bool>("mehr");
        const QStringList voll(kommatext::kHoechstensZeilen, QStringLiteral("a"));
        QTest::newRow("unquoted blanks split words")
            << "Work areas:" << QStringList{"Work", "areas:"} << false;
        QTest::newRow("blanks around commas") << "  a ,  b  " << QStringList{"a", "b"} << false;
        QTest::newRow("unclosed quote runs to the end") << "\"abc" << QStringList{"abc"} << false;
        QTest::newRow("quote after text") << "ab\"c\"" << QStringList{"ab\"c\""} << false;
        QTest::newRow("only separators") << " , " << QStringList{""} << false;
        QTest::newRow("a full memo") << voll.join(u',') << voll << false;
        // Endless commas cost no more than a full memo: reading stops at the limit.
        QTest::newRow("one line more stops there") << voll.join(u',') + ",b" << voll << true;
        QTest::newRow("empty lines count") << QString(kommatext::kHoechstensZeilen + 1, u',')
                                           << QStringList(kommatext::kHoechstensZeilen) << true;
    }
    void lesenFremderTexte() {
        QFETCH(QString, text);
        QFETCH(QStringList, zeilen);
        QFETCH(bool, mehr);
        bool gelesenMehr = !mehr;
        QCOMPARE(kommatext::lesen(text, &gelesenMehr), zeilen);
        QCOMPARE(gelesenMehr, mehr);
    }
};

QTEST_GUILESS_MAIN(TstKommaText)
#include "tst_kommatext.moc"
