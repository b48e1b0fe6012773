#include "windows/main/HtmlViewer.h"

#include "app/Dialoge.h"
#include "app/Verweis.h"
#include "shared/Codepage1252.h"
#include "texte/Texte.h"
#include "windows/main/Verknuepfung.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStringDecoder>

#include <utility>

namespace {

// Far beyond any information page: a foreign or damaged file cannot make the viewer read
// without bound.
constexpr qint64 kHoechstens = 16 * 1024 * 1024;

bool istBild(const QString& datei) {
    return verknuepfung(QFileInfo(datei).fileName()).art == Verknuepfungsart::Bild;
}

// Pages say their code page in a meta tag or byte-order mark; one that says nothing, or names
// one Qt cannot decode here, is the maker's Windows-1252 like its other files.
QString seitentext(const QByteArray& bytes) {
    QStringDecoder d = QStringDecoder::decoderForHtml(bytes);
    if (d.isValid()) {
        QString text = d.decode(bytes);
        if (!d.hasError()) return text;
    }
    return cp1252::decode(bytes);
}

// A picture that shows nothing. Not a null image: for that the document would try to open the
// picture's raw name itself.
QImage leeresBild() {
    QImage bild(1, 1, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    return bild;
}

} // namespace

THtmlViewer::THtmlViewer(const QString& ordner, QWidget* parent)
    : QTextBrowser(parent), m_ordner(ordner) {
    setObjectName(QStringLiteral("htmlLite1"));
    // Links are reported and followed here, never by the browser's own rules.
    setOpenLinks(false);
    // No text selection: a click is a click on a link or nothing.
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(8);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    QFont schrift(QStringLiteral("Times New Roman"));
    schrift.setPointSize(12);
    setFont(schrift);
    document()->setDefaultStyleSheet(
        QStringLiteral("pre, tt, code, kbd, samp { font-family: 'Courier New'; }"));
    connect(this, &QTextBrowser::anchorClicked, this, &THtmlViewer::verknuepfungFolgen);
}

bool THtmlViewer::laden(const QString& datei, const QString& anker) {
    if (!QFileInfo(datei).isFile()) {
        dialoge::meldung(window(), texte::text(10015),
                         tr("Can't locate file: ") + QFileInfo(datei).fileName());
        return false;
    }
    m_verlauf.neu(datei, verticalScrollBar()->value());
    zeigen(datei, anker);
    Q_EMIT verlaufGeaendert();
    return true;
}

void THtmlViewer::zurueck() {
    gehe(+1);
}

void THtmlViewer::vor() {
    gehe(-1);
}

void THtmlViewer::gehe(int schritt) {
    const auto eintrag = m_verlauf.gehe(schritt, verticalScrollBar()->value());
    if (!eintrag) return;
    zeigen(eintrag->datei, {});
    positionSetzen(eintrag->position);
    Q_EMIT verlaufGeaendert();
}

void THtmlViewer::zeigen(const QString& datei, const QString& anker) {
    QUrl url = QUrl::fromLocalFile(datei);
    if (!anker.isEmpty()) url.setFragment(anker);
    setSource(url, QTextDocument::HtmlResource);
    // The history is m_verlauf; the browser's own would only grow.
    clearHistory();
    // A screen reader names the page by its title, or a picture by its file.
    setAccessibleName(documentTitle().isEmpty() ? QFileInfo(datei).completeBaseName()
                                                : documentTitle());
}

void THtmlViewer::positionSetzen(int position) {
    // A page just loaded is laid out on demand; its full height must be known before the scroll
    // bar can reach a position far down.
    document()->documentLayout()->documentSize();
    verticalScrollBar()->setValue(position);
}

QString THtmlViewer::seitendatei(const QUrl& name) const {
    // Relative names mostly arrive resolved against the shown document; one that does not, such
    // as an absolute path without a scheme, is resolved here the same way.
    const QUrl url = name.isRelative() ? QUrl::fromLocalFile(dokument()).resolved(name) : name;
    // Only local files: a page never makes the program reach out to the network.
    if (!url.isLocalFile()) return {};
    // Only plain files: a pipe would wait in open() for a writer that may never come, a device
    // may never end. Only inside the folder, after resolving ".." and links: a page shows no
    // other file of the disk.
    const QFileInfo info(url.toLocalFile());
    if (!info.isFile()) return {};
    const QString ordner = QFileInfo(m_ordner).canonicalFilePath();
    const QString datei = info.canonicalFilePath();
    if (ordner.isEmpty() || datei.isEmpty()) return {};
    const QString relativ = QDir(ordner).relativeFilePath(datei);
    if (relativ == QLatin1String("..") || relativ.startsWith(QLatin1String("../")) ||
        QDir::isAbsolutePath(relativ))
        return {};
    return datei;
}

QVariant THtmlViewer::loadResource(int type, const QUrl& name) {
    // Every request gets an answer, an empty one where nothing may be read: the document opens
    // a name left unanswered itself, by its raw text.
    const QVariant nichts =
        type == QTextDocument::ImageResource ? QVariant(leeresBild()) : QVariant(QString());
    const QString datei = seitendatei(name);
    if (datei.isEmpty()) return nichts;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return nichts;
    switch (type) {
    case QTextDocument::HtmlResource:
        // A picture is shown as a document of its own.
        if (istBild(datei))
            return QStringLiteral("<img src=\"%1\">")
                .arg(QUrl::fromLocalFile(datei).toString().toHtmlEscaped());
        return seitentext(f.read(kHoechstens));
    case QTextDocument::StyleSheetResource:
        return seitentext(f.read(kHoechstens));
    case QTextDocument::ImageResource: {
        QImageReader leser(&f);
        const QImage bild = leser.read();
        return bild.isNull() ? nichts : QVariant(bild);
    }
    default:
        return nichts;
    }
}

void THtmlViewer::mouseReleaseEvent(QMouseEvent* e) {
    // The link's target as the page writes it; the browser itself only reports it resolved.
    m_ziel = anchorAt(e->position().toPoint());
    QTextBrowser::mouseReleaseEvent(e);
    m_ziel.clear();
}

void THtmlViewer::keyPressEvent(QKeyEvent* e) {
    // A link reached with Tab is the selection; Enter activates it.
    QTextCursor c = textCursor();
    c.setPosition(c.selectionStart());
    c.movePosition(QTextCursor::NextCharacter);
    m_ziel = c.charFormat().anchorHref();
    QTextBrowser::keyPressEvent(e);
    m_ziel.clear();
}

void THtmlViewer::verknuepfungFolgen(const QUrl& url) {
    const QString ziel = m_ziel.isEmpty() ? url.toString() : std::exchange(m_ziel, {});
    Q_EMIT hotSpotClick(ziel);
    const Verknuepfung v = verknuepfung(ziel);
    const QDir ordner = QFileInfo(dokument()).absoluteDir();
    switch (v.art) {
    case Verknuepfungsart::Anker:
        scrollToAnchor(v.anker);
        break;
    case Verknuepfungsart::Seite:
    case Verknuepfungsart::Bild:
        laden(ordner.filePath(v.ziel), v.anker);
        break;
    case Verknuepfungsart::Extern:
        verweis::oeffnen(v.ziel);
        break;
    default: // program functions are the main window's; anything else is refused
        break;
    }
}
