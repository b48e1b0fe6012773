#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One running program per user: a later start hands its arguments to the running program over a
// local socket and ends, so a file opened from the file manager opens in the program on screen.
// Only this user's programs talk to each other: each side checks who runs the other.
class TEinzelinstanz : public QObject {
    Q_OBJECT
public:
    // name: the socket, the same for every start of one user (einzelinstanzName()). benutzer:
    // who must run the other side, this user (tests name another to play a stranger's socket).
    explicit TEinzelinstanz(QString name, qint64 benutzer = eigenerBenutzer(),
                            QObject* parent = nullptr);

    // True when a running program of this user took the arguments; this start then ends.
    bool weitergeben(const QStringList& argumente);
    // Takes the later starts' arguments from now on; false when the socket cannot be set up
    // (this program then runs on its own, as if no other ran). Taken early in the start, so a
    // second start in the meantime finds this one; what it sends waits for bereit().
    bool annehmen();
    // The program can open files now: passes on what waited, and from now on at once.
    void bereit();

    // The most one message may hold; a longer one is dropped whole. Longer argument lists go in
    // several messages.
    static constexpr qint64 kHoechstens = 64 * 1024;
    // The arguments as the messages that carry them: each at most kHoechstens bytes, each but
    // the last marked as continued. An argument too long for a message is no path: it goes cut.
    static QList<QByteArray> nachrichten(const QStringList& argumente);

    // The user running this program; -1 where the system cannot tell the other side's user.
    static qint64 eigenerBenutzer();

Q_SIGNALS:
    // Once per start that handed over, with all its arguments.
    void argumenteErhalten(const QStringList& argumente);

private:
    void verbindungAnnehmen();
    bool vomBenutzer(const QLocalSocket& s) const;
    void erhalten(QStringList argumente);

    QString m_name;
    qint64 m_benutzer;
    QLocalServer* m_server = nullptr;
    bool m_bereit = false;
    QList<QStringList> m_wartend;
    QStringList m_fortsetzung; // a start's arguments whose last message has not come yet
    int m_teile = 0;
};

// The socket of this user's program: the same for every start, in a folder only this user can
// create files in; empty where there is none (the program then runs alone).
QString einzelinstanzName();

// The arguments of this start made absolute, as the running program's current directory is not
// this one's; options stay as they are.
QStringList absoluteArgumente(const QStringList& argumente);
