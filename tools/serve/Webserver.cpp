#include "Webserver.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>
#include <QUrl>

namespace {

// Only the server's own files, no inline script or style, no framing, no form sent elsewhere.
constexpr char kRichtlinie[] =
    "default-src 'none'; img-src 'self'; style-src 'self'; script-src 'self'; "
    "connect-src 'self'; form-action 'self'; base-uri 'none'; frame-ancestors 'none'";

void senden(QHttpServerResponder& r, const Antwort& a, bool mitInhalt, bool schliessen) {
    r.writeStatusLine(static_cast<QHttpServerResponder::StatusCode>(a.status));
    r.writeHeader("Content-Type", a.typ);
    // HEAD is told the length GET would send.
    r.writeHeader("Content-Length", QByteArray::number(a.inhalt.size()));
    r.writeHeader("Content-Security-Policy", kRichtlinie);
    r.writeHeader("X-Content-Type-Options", "nosniff");
    r.writeHeader("X-Frame-Options", "DENY");
    r.writeHeader("Referrer-Policy", "no-referrer");
    r.writeHeader("Cache-Control", a.unveraenderlich ? "max-age=3600" : "no-cache");
    if (!a.ort.isEmpty()) r.writeHeader("Location", a.ort);
    if (schliessen) r.writeHeader("Connection", "close");
    if (!a.dateiname.isEmpty())
        r.writeHeader("Content-Disposition",
                      "inline; filename*=UTF-8''" + QUrl::toPercentEncoding(a.dateiname));
    r.writeBody(mitInhalt ? a.inhalt : QByteArray());
}

} // namespace

QList<std::pair<QString, QString>> abfragePaare(const QByteArray& abfrage) {
    QList<std::pair<QString, QString>> paare;
    for (QByteArray teil : abfrage.split('&')) {
        if (teil.isEmpty()) continue;
        teil.replace('+', ' ');
        const qsizetype gleich = teil.indexOf('=');
        const QByteArray name = gleich < 0 ? teil : teil.left(gleich);
        const QByteArray wert = gleich < 0 ? QByteArray() : teil.mid(gleich + 1);
        paare.append({QUrl::fromPercentEncoding(name), QUrl::fromPercentEncoding(wert)});
    }
    return paare;
}

Webserver::Webserver(const Webseiten& seiten, QObject* parent)
    : QAbstractHttpServer(parent), m_seiten(seiten) {}

bool Webserver::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    // A client that does not ask to keep the connection (an HTTP/1.0 one, ab) learns that the
    // answer is complete when the connection closes.
    const bool schliessen =
        request.value("Connection").compare("keep-alive", Qt::CaseInsensitive) != 0;
    {
        QHttpServerResponder r = makeResponder(request, socket);
        senden(r, antwort(request), request.method() != QHttpServerRequest::Method::Head,
               schliessen);
    }
    if (schliessen) socket->disconnectFromHost();
    return true;
}

Antwort Webserver::antwort(const QHttpServerRequest& request) const {
    const auto methode = request.method();
    if (methode != QHttpServerRequest::Method::Get && methode != QHttpServerRequest::Method::Head) {
        Antwort a;
        a.status = 405;
        a.typ = "text/plain; charset=utf-8";
        a.inhalt = "Only GET and HEAD are served.\n";
        return a;
    }
    Anfrage anfrage;
    const QUrl url = request.url();
    anfrage.pfad = url.path(QUrl::FullyEncoded).toUtf8();
    const QByteArray abfrage = url.query(QUrl::FullyEncoded).toUtf8();
    anfrage.abfrageLaenge = abfrage.size();
    if (abfrage.size() <= kHoechstensAbfrage) anfrage.abfrage = abfragePaare(abfrage);
    anfrage.sprachen = request.value("Accept-Language");
    return m_seiten.beantworten(anfrage);
}

void Webserver::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    // Every request is handled above; this is only what the base class requires.
    QHttpServerResponder r = makeResponder(request, socket);
    r.write(QHttpServerResponder::StatusCode::NotFound);
}
