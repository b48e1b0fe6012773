#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <functional>
#include <optional>

// One run of the qvr tool built beside the tests.
struct QvrLauf {
    int status = -1; // the exit status; -1 when the tool did not end normally (a signal)
    QByteArray aus, fehler;
};

// kind runs in the child before the tool starts (on Unix), e.g. to set a resource limit.
inline QvrLauf qvrLauf(const QStringList& args, const std::function<void()>& kind = {}) {
    QProcess p;
#ifdef Q_OS_UNIX
    if (kind) p.setChildProcessModifier(kind);
#endif
    p.start(QStringLiteral(ARDENTIX_BUILD_DIR "/qvr"), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// The text of a PDF as pdftotext reads it, a form feed after each page; nothing when pdftotext
// is not installed.
inline std::optional<QString> pdfText(const QString& pdf, const QStringList& optionen = {}) {
    const QString programm = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programm.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(programm, optionen + QStringList{pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
