// qvr-serve: the server of "qvr serve", which runs this program with the arguments after
// "serve".
#include "QvrFehler.h"
#include "Webserver.h"
#include "Werkzeug.h"

#include <QGuiApplication>
#include <QHostAddress>
#include <QTcpServer>

#include <cstdio>

namespace {

struct Aufruf {
    QStringList daten;
    QString plaene;
    QHostAddress adresse = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 8080;
};

Aufruf lesen(const QStringList& args) {
    Aufruf a;
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString& o = args[i];
        if (i + 1 >= args.size()) falscheBenutzung(o + QStringLiteral(" needs a value"));
        const QString& w = args[i + 1];
        if (o == QLatin1String("--data")) {
            a.daten << w;
        } else if (o == QLatin1String("--plans")) {
            a.plaene = w;
        } else if (o == QLatin1String("--port")) {
            bool ok = false;
            const uint port = w.toUInt(&ok);
            if (!ok || port > 65535)
                falscheBenutzung(QStringLiteral("--port takes 0 to 65535, not \"%1\"").arg(w));
            a.port = static_cast<quint16>(port);
        } else if (o == QLatin1String("--listen")) {
            if (!a.adresse.setAddress(w))
                falscheBenutzung(QStringLiteral("--listen takes an IP address, not \"%1\"").arg(w));
        } else {
            falscheBenutzung(QStringLiteral("serve: unknown option \"%1\"").arg(o));
        }
    }
    if (a.daten.isEmpty()) falscheBenutzung(QStringLiteral("serve needs --data DIR"));
    if (a.plaene.isEmpty()) falscheBenutzung(QStringLiteral("serve needs --plans DIR"));
    return a;
}

} // namespace

int main(int argc, char** argv) {
    werkzeugStarten();
    // The printouts and pictures need fonts and images, never a window or a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (hilfeVerlangt(args)) {
        std::fputs(qPrintable(qvrBenutzung(QStringLiteral("serve"))), stdout);
        return 0;
    }
    return befehlAusfuehren([&]() -> int {
        const Aufruf a = lesen(args);
        const QDir plaene(a.plaene);
        if (!QFileInfo(a.plaene).isDir())
            ungueltig(QStringLiteral("%1: the plans folder does not exist")
                          .arg(QDir::toNativeSeparators(a.plaene)));
        const Webseiten seiten(datensaetzeLaden(a.daten, QCoreApplication::applicationDirPath() +
                                                             QStringLiteral("/Ardentix")),
                               plaene);
        Webserver server(seiten);
        const quint16 port = server.listen(a.adresse, a.port);
        if (port == 0)
            ungueltig(QStringLiteral("cannot listen on %1 port %2")
                          .arg(a.adresse.toString())
                          .arg(a.port));
        const QString host = a.adresse.protocol() == QAbstractSocket::IPv6Protocol
                                 ? u'[' + a.adresse.toString() + u']'
                                 : a.adresse.toString();
        std::printf("qvr serve: http://%s:%u/\n", qPrintable(host), port);
        std::fflush(stdout);
        return app.exec();
    });
}
