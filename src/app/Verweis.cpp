#include "app/Verweis.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

namespace verweis {
namespace {

class Desktop : public Oeffner {
public:
    // The system's answer is not checked: a browser that fails to start says so itself.
    void oeffnen(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

std::unique_ptr<Oeffner>& oeffner() {
    static std::unique_ptr<Oeffner> o = std::make_unique<Desktop>();
    return o;
}

QList<QUrl>& protokoll() {
    static QList<QUrl> l;
    return l;
}

std::optional<QUrl> webAdresse(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    const QString schema = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()) return std::nullopt;
    if (schema != QLatin1String("http") && schema != QLatin1String("https")) return std::nullopt;
    return url;
}

void weitergeben(const QUrl& url) {
    protokoll().append(url);
    oeffner()->oeffnen(url);
}

} // namespace

std::optional<QUrl> sichereAdresse(const QString& wert) {
    const QString w = wert.trimmed();
    if (w.isEmpty() || w.contains(QRegularExpression(QStringLiteral("\\s")))) return std::nullopt;
    if (w.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return webAdresse(QStringLiteral("http://") + w);
    if (w.contains(QLatin1String("://"))) return webAdresse(w);
    static const QRegularExpression mail(
        QStringLiteral("^(mailto:)?([A-Za-z0-9._%+\\-]+@[A-Za-z0-9\\-]+(\\.[A-Za-z0-9\\-]+)+)$"),
        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = mail.match(w); m.hasMatch())
        return QUrl(QStringLiteral("mailto:") + m.captured(2));
    return std::nullopt;
}

bool oeffnen(const QString& wert) {
    const std::optional<QUrl> url = sichereAdresse(wert);
    if (!url) return false;
    weitergeben(*url);
    return true;
}

bool dateiOeffnen(const QString& pfad) {
    if (!QFileInfo(pfad).isFile()) return false;
    weitergeben(QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath()));
    return true;
}

void oeffnerSetzen(std::unique_ptr<Oeffner> o) {
    oeffner() = o ? std::move(o) : std::make_unique<Desktop>();
}

QList<QUrl> geoeffnet() {
    QList<QUrl> l = protokoll();
    protokoll().clear();
    return l;
}

} // namespace verweis
