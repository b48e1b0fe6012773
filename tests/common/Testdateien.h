#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

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

} // namespace testdateien
