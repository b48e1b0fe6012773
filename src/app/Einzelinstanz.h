#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// One running program per user: a later start hands its arguments to the running program over a
// local socket and ends, so a file opened from the file manager opens in the program on screen.
class TEinzelinstanz : public QObject {
    Q_OBJECT
public:
    // name: the socket's name, the same for every start of one user (einzelinstanzName()).
    explicit TEinzelinstanz(QString name, QObject* parent = nullptr);

    // True when a running program took the arguments; this start then ends.
    bool weitergeben(const QStringList& argumente);
    // Takes the later starts' arguments from now on; false when the socket cannot be set up
    // (this program then runs on its own, as if no other ran). Taken early in the start, so a
    // second start in the meantime finds this one; what it sends waits for bereit().
    bool annehmen();
    // The program can open files now: passes on what waited, and from now on at once.
    void bereit();

    // The most one start may send; a longer message is dropped whole.
    static constexpr qint64 kHoechstens = 64 * 1024;

Q_SIGNALS:
    void argumenteErhalten(const QStringList& argumente);

private:
    void verbindungAnnehmen();

    void erhalten(const QStringList& argumente);

    QString m_name;
    QLocalServer* m_server = nullptr;
    bool m_bereit = false;
    QList<QStringList> m_wartend;
};

// The socket name of this user's program: the same for every start, another for another user.
QString einzelinstanzName();

// The arguments of this start made absolute, as the running program's current directory is not
// this one's; options stay as they are.
QStringList absoluteArgumente(const QStringList& argumente);
