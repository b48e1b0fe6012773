#include "app/Einzelinstanz.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <memory>
#include <utility>

#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace {

// A running program answers within this time or counts as hung; the start then runs alone.
constexpr int kWarteMs = 3000;
// Ends every message of a start but its last. Never an argument: those are absolute paths or
// options.
const QString kWeiter = QStringLiteral("+");
// Opens every message: a connection without it (a probe, a sender that gave up) says nothing.
const QByteArray kKennung = QByteArrayLiteral("Ardentix\n");
// One start's messages kept at most, so a sender that never ends cannot fill the memory.
constexpr int kTeileHoechstens = 256;
// What is left of an argument too long for a message, to name it in the message about it.
constexpr qsizetype kGekuerzt = 200;

// The user running the program at the other end of a connected socket, -1 where unknown.
qint64 benutzerGegenueber(const QLocalSocket& s) {
#if defined(Q_OS_LINUX)
    ucred c{};
    socklen_t laenge = sizeof c;
    if (getsockopt(int(s.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &c, &laenge) == 0)
        return c.uid;
#elif defined(Q_OS_UNIX)
    uid_t uid = 0;
    gid_t gid = 0;
    if (getpeereid(int(s.socketDescriptor()), &uid, &gid) == 0) return uid;
#else
    Q_UNUSED(s);
#endif
    return -1;
}

} // namespace

TEinzelinstanz::TEinzelinstanz(QString name, qint64 benutzer, QObject* parent)
    : QObject(parent), m_name(std::move(name)), m_benutzer(benutzer) {}

qint64 TEinzelinstanz::eigenerBenutzer() {
#if defined(Q_OS_UNIX)
    return geteuid();
#else
    return -1;
#endif
}

bool TEinzelinstanz::vomBenutzer(const QLocalSocket& s) const {
    // Where the system cannot tell (Windows' pipes), the pipe's access rights alone decide.
    return m_benutzer < 0 || benutzerGegenueber(s) == m_benutzer;
}

QList<QByteArray> TEinzelinstanz::nachrichten(const QStringList& argumente) {
    // The arguments apart by a zero byte, the one character no path holds.
    const QByteArray weiter = QByteArray(1, '\0') + kWeiter.toUtf8();
    QList<QByteArray> n{kKennung};
    bool leer = true;
    for (const QString& a : argumente) {
        QByteArray teil = a.toUtf8();
        if (kKennung.size() + teil.size() + weiter.size() > kHoechstens)
            teil = (a.left(kGekuerzt) + QStringLiteral("…")).toUtf8();
        if (!leer && n.last().size() + 1 + teil.size() + weiter.size() > kHoechstens) {
            n.last() += weiter;
            n.append(kKennung);
            leer = true;
        }
        if (!leer) n.last() += '\0';
        n.last() += teil;
        leer = false;
    }
    return n;
}

bool TEinzelinstanz::weitergeben(const QStringList& argumente) {
    if (m_name.isEmpty()) return false;
    const QList<QByteArray> teile = nachrichten(argumente);
    for (qsizetype i = 0; i < teile.size(); ++i) {
        QLocalSocket s;
        s.connectToServer(m_name);
        if (!s.waitForConnected(kWarteMs)) return i > 0;
        // A socket of another user's program hears nothing: this start runs on its own.
        if (!vomBenutzer(s)) return false;
        s.write(teile[i]);
        s.disconnectFromServer();
        if (s.state() != QLocalSocket::UnconnectedState && !s.waitForDisconnected(kWarteMs))
            return i > 0;
    }
    return true;
}

bool TEinzelinstanz::annehmen() {
    if (m_name.isEmpty()) return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Taken by a program of this user that started at the same moment: that one stays the
        // only one taking arguments. Otherwise a socket left by a program that crashed goes.
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(kWarteMs) && vomBenutzer(probe)) return false;
        probe.abort();
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &TEinzelinstanz::verbindungAnnehmen);
    return true;
}

void TEinzelinstanz::verbindungAnnehmen() {
    while (QLocalSocket* s = m_server->nextPendingConnection()) {
        s->setParent(this);
        if (!vomBenutzer(*s)) {
            s->abort();
            s->deleteLater();
            continue;
        }
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
            if (e->verworfen || !e->daten.startsWith(kKennung)) return;
            const QString text = QString::fromUtf8(e->daten.mid(kKennung.size()));
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

void TEinzelinstanz::erhalten(QStringList argumente) {
    if (!argumente.isEmpty() && argumente.last() == kWeiter) {
        argumente.removeLast();
        if (++m_teile > kTeileHoechstens) {
            m_fortsetzung.clear();
            m_teile = 0;
        }
        m_fortsetzung += argumente;
        return;
    }
    argumente = std::exchange(m_fortsetzung, {}) + argumente;
    m_teile = 0;
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
#if defined(Q_OS_WIN)
    // A pipe name, per user: the home folder tells users apart without reading anything else.
    const QByteArray heim = QDir::homePath().toUtf8();
    return QStringLiteral("Ardentix-") +
           QString::fromLatin1(
               QCryptographicHash::hash(heim, QCryptographicHash::Sha1).toHex().left(16));
#else
    // The user's runtime folder, which Qt accepts only when it belongs to the user and no one
    // else may write in it; a shared folder such as /tmp would let another user take the name.
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return ordner.isEmpty() ? QString() : ordner + QStringLiteral("/ardentix.socket");
#endif
}

QStringList absoluteArgumente(const QStringList& argumente) {
    QStringList a;
    for (const QString& s : argumente)
        a << (s.startsWith(u'-') ? s : QFileInfo(s).absoluteFilePath());
    return a;
}
