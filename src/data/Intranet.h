#pragma once

#include "shared/Einstellungen.h"

#include <QString>

#include <optional>

// The address of the plant's glove server ("qvr serve") as the user gives it, e.g.
// "http://handschuhe.werk:8080". Printed plans lead there through their QR codes.
inline const QString kSchluesselIntranet = QStringLiteral("SOFTWARE\\QVR\\Intranet");

// At most this long, so a product address fits a QR code that prints in a plan's column with
// modules large enough to scan.
inline constexpr int kIntranetLaenge = 100;

// The address as typed, made whole: "http://" where no scheme is given, no trailing slash;
// empty for an empty input (no server). Nothing for what is no http or https address with a
// host, carries a user name, a query or a fragment, or is longer than kIntranetLaenge.
std::optional<QString> intranetAdresse(const QString& eingabe);

// A glove's page on the server.
QString produktAdresse(const QString& basis, const QString& code);
// A plan's page: the plan file's name without ".PLN", percent-encoded. Empty when there is no
// server, or for a file the server does not show: one not named NAME.PLN, or a hidden one.
QString planAdresse(const QString& basis, const QString& planDatei);

// The stored address; empty when none is stored or the stored value is no address.
QString intranetLesen(const TEinstellungen& speicher);
// Stores a whole address (as intranetAdresse makes it); an empty one removes the setting.
void intranetSpeichern(TEinstellungen& speicher, const QString& adresse);
