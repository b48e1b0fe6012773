#pragma once

#include "Seiten.h"

#include <QAbstractHttpServer>

// The HTTP side: turns each request into an Anfrage, answers it from the pages, and sends the
// answer with the headers every answer carries. Only GET and HEAD are served.
class Webserver : public QAbstractHttpServer {
public:
    explicit Webserver(const Webseiten& seiten, QObject* parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    Antwort antwort(const QHttpServerRequest& request) const;

    const Webseiten& m_seiten;
};

// The query's name/value pairs as a form sends them: "+" is a blank, the rest percent-decoded.
QList<std::pair<QString, QString>> abfragePaare(const QByteArray& abfrage);
