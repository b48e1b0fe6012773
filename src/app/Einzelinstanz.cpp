#include "app/Einzelinstanz.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

// A running program answers within this time or counts as hung; the start then runs alone.
constexpr int kWarteMs = 3000;

} // namespace

TEinzelinstanz::TEinzelinstanz(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

bool TEinzelinstanz::weitergeben(const QStringList& argumente) {
    QLocalSocket s;
    s.connectToServer(m_name);
    if (!s.waitForConnected(kWarteMs)) return false;
    // The arguments apart by a zero byte, the one character no path holds.
    const QByteArray nachricht = argumente.join(QChar(0)).toUtf8();
    if (nachricht.size() > kHoechstens) return false;
    s.write(nachricht);
    s.disconnectFromServer();
    return s.state() == QLocalSocket::UnconnectedState || s.waitForDisconnected(kWarteMs);
}

bool TEinzelinstanz::annehmen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Taken by a program that started at the same moment: that one stays the only one
        // taking arguments. Otherwise a socket left by a program that crashed goes.
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(kWarteMs)) return false;
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &TEinzelinstanz::verbindungAnnehmen);
    return true;
}

void TEinzelinstanz::verbindungAnnehmen() {
    while (QLocalSocket* s = m_server->nextPendingConnection()) {
        s->setParent(this);
        struct Eingang {
            QByteArray daten;
            bool verworfen = false;
            bool fertig = false;
        };
        auto e = std::make_shared<Eingang>();
        const auto lesen = [s, e] {
            e->daten += s->read(kHoechstens + 1 - e->daten.size());
            if (e->daten.size() > kHoechstens) e->verworfen = true;
        };
        // The message is whole when the sender hangs up; one too long, or a sender that
        // neither sends nor ends, is dropped.
        const auto ende = [this, s, e, lesen] {
            if (e->fertig) return;
            e->fertig = true;
            lesen();
            s->deleteLater();
            if (e->verworfen) return;
            const QString text = QString::fromUtf8(e->daten);
            erhalten(text.isEmpty() ? QStringList() : text.split(QChar(0)));
        };
        connect(s, &QLocalSocket::readyRead, s, [s, e, lesen] {
            lesen();
            if (e->verworfen) s->abort();
        });
        connect(s, &QLocalSocket::disconnected, this, ende);
        QTimer::singleShot(kWarteMs, s, [s, e, ende] {
            e->verworfen = true;
            s->abort();
            ende();
        });
        if (s->state() == QLocalSocket::UnconnectedState) ende();
    }
}

void TEinzelinstanz::erhalten(const QStringList& argumente) {
    if (m_bereit)
        Q_EMIT argumenteErhalten(argumente);
    else
        m_wartend.append(argumente);
}

void TEinzelinstanz::bereit() {
    m_bereit = true;
    for (const QStringList& a : std::exchange(m_wartend, {}))
        Q_EMIT argumenteErhalten(a);
}

QString einzelinstanzName() {
    // The home folder tells users apart without reading anything else about them.
    const QByteArray heim = QDir::homePath().toUtf8();
    return QStringLiteral("Ardentix-") +
           QString::fromLatin1(
               QCryptographicHash::hash(heim, QCryptographicHash::Sha1).toHex().left(16));
}

QStringList absoluteArgumente(const QStringList& argumente) {
    QStringList a;
    for (const QString& s : argumente)
        a << (s.startsWith(u'-') ? s : QFileInfo(s).absoluteFilePath());
    return a;
}
