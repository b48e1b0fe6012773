#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

// Reading and planting whole files in tests.
namespace testdateien {

// The file's bytes; empty when it cannot be read.
inline QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void ablegen(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

#ifdef Q_OS_UNIX
// Runs schreiben with the process's file-size limit at `bytes`, so a write fails part-way as on
// a full disk, even for root; the signal the limit raises is ignored meanwhile.
template <class F> auto mitDateigroesse(rlim_t bytes, F schreiben) {
    struct Grenze {
        rlimit alt{};
        void (*signal)(int) = nullptr;
        explicit Grenze(rlim_t b) {
            getrlimit(RLIMIT_FSIZE, &alt);
            signal = std::signal(SIGXFSZ, SIG_IGN);
            rlimit klein = alt;
            klein.rlim_cur = b;
            setrlimit(RLIMIT_FSIZE, &klein);
        }
        ~Grenze() {
            setrlimit(RLIMIT_FSIZE, &alt);
            std::signal(SIGXFSZ, signal);
        }
    } grenze(bytes);
    return schreiben();
}
#endif

#ifdef Q_OS_UNIX
// The rows of a _data function with a column "bild": markup naming a picture that must never be
// opened, as a file may hold it: a pipe in ordner that no one writes (opening it waits for ever)
// and a device that never ends.
inline void gefaehrlicheBilder(const QString& ordner) {
    const QString fifo = ordner + QStringLiteral("/fifo");
    if (!QFile::exists(fifo)) QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::addColumn<QString>("bild");
    QTest::newRow("pipe") << QStringLiteral("<img src=\"%1\">").arg(fifo);
    QTest::newRow("/dev/zero") << QStringLiteral("<img src=\"/dev/zero\">");
}
#endif

} // namespace testdateien
