// Where the tool's output goes: what it refuses to replace, standard output, an empty printout,
// and a file-size limit.
#include "ChemieTestdaten.h"
#include "QvrLauf.h"
#include "Testdateien.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

int seiten(const QByteArray& pdf) {
    if (!pdf.startsWith("%PDF-")) return -1;
    return int(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

} // namespace

class TstQvrAusgabe : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QStringList bericht(const QString& pdf, const QStringList& chemikalien = {"--cas", "67.64.1"}) {
        return QStringList{"print", "chem-report", "--data", m_dir.path()} + chemikalien +
               QStringList{"--pdf", pdf};
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        chemietestdaten::schreiben(m_dir.path());
    }

    // A job always yields a PDF with at least one page, also with nothing to list.
    void leererBerichtHatEineSeite() {
        const QString pdf = m_dir.filePath(QStringLiteral("leer.pdf"));
        const QvrLauf l = qvrLauf(bericht(pdf, {}));
        QCOMPARE(l.status, 0);
        QCOMPARE(seiten(testdateien::inhalt(pdf)), 1);
    }

    void aufStandardausgabe() {
        const QvrLauf l = qvrLauf(bericht(QStringLiteral("-")));
        QCOMPARE(l.status, 0);
        QVERIFY(seiten(l.aus) >= 1);
        QVERIFY(!QFileInfo::exists(QStringLiteral("-")));
    }

#ifdef Q_OS_UNIX
    // A reader that has closed the pipe (qvr print ... --pdf - | head) ends the job quietly, with
    // the status a shell gives a program SIGPIPE ends.
    void geschlossenesRohr() {
        const QvrLauf l = qvrLauf(bericht(QStringLiteral("-")), [] {
            int rohr[2];
            if (::pipe(rohr) == 0) {
                ::close(rohr[0]);
                ::dup2(rohr[1], 1);
            }
        });
        QCOMPARE(l.status, 128 + SIGPIPE);
        QVERIFY2(!l.fehler.contains("qvr-print") && !l.fehler.contains("standard output"),
                 l.fehler.constData());
    }
#endif

    // The atomic save renames over its target: only a regular file or a new name may be one, and
    // a link only to an existing one.
    void keineGewoehnlicheDatei_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("folder") << "folder"
                                << "not a regular file";
#ifdef Q_OS_UNIX
        QTest::newRow("named pipe") << "pipe"
                                    << "not a regular file";
        QTest::newRow("link to nothing") << "link"
                                         << "does not exist";
#endif
    }
    void keineGewoehnlicheDatei() {
        QFETCH(QString, art);
        QFETCH(QString, meldung);
        QTemporaryDir d;
        const QString ziel = d.filePath(QStringLiteral("ziel"));
        if (art == "folder") QVERIFY(QDir().mkdir(ziel));
#ifdef Q_OS_UNIX
        if (art == "pipe") QCOMPARE(::mkfifo(QFile::encodeName(ziel).constData(), 0600), 0);
        if (art == "link") QVERIFY(QFile::link(d.filePath(QStringLiteral("nirgends")), ziel));
#endif
        const QvrLauf l = qvrLauf(bericht(ziel));
        QCOMPARE(l.status, 2);
        QVERIFY2(l.fehler.contains(meldung.toUtf8()), l.fehler.constData());
        // Still the folder, pipe or link it was, and nothing beside it.
        QVERIFY(!QFileInfo(ziel).isFile());
        QCOMPARE(QDir(d.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"ziel"});
    }

    // Beyond a file-size limit the short write is reported, not ended by a signal.
    void dateigroessenGrenze() {
#ifndef Q_OS_UNIX
        QSKIP("resource limits are a Unix feature");
#else
        const QString pdf = m_dir.filePath(QStringLiteral("gross.pdf"));
        const QvrLauf l = qvrLauf(bericht(pdf), [] {
            const rlimit grenze{1000, 1000};
            ::setrlimit(RLIMIT_FSIZE, &grenze);
        });
        QCOMPARE(l.status, 2);
        QVERIFY2(l.fehler.contains("gross.pdf"), l.fehler.constData());
        QVERIFY(!QFileInfo::exists(pdf));
#endif
    }
};

QTEST_GUILESS_MAIN(TstQvrAusgabe)
#include "tst_qvr_ausgabe.moc"
