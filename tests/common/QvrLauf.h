#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <functional>

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
