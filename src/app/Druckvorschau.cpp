#include "app/Druckvorschau.h"

#include "app/Klartext.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

Druckvorschau::Druckvorschau(QPrinter& drucker, const QString& titel,
                             const std::function<void(QPrinter&)>& zeichnen, QWidget* parent)
    : QDialog(parent), m_drucker(drucker), m_vorschau(new QPrintPreviewWidget(&drucker, this)),
      m_seite(new QLabel(this)) {
    setObjectName(QStringLiteral("Druckvorschau"));
    labelKlartext(m_seite);
    setWindowTitle(tr("Print Preview - %1").arg(titel));
    connect(m_vorschau, &QPrintPreviewWidget::paintRequested, this,
            [zeichnen](QPrinter* p) { zeichnen(*p); });
    connect(m_vorschau, &QPrintPreviewWidget::previewChanged, this, &Druckvorschau::seiteZeigen);

    auto* leiste = new QToolBar(this);
    // Words beside the icons: icon themes differ, and a bare icon says little to a new user.
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto aktion = [this, leiste](const char* icon, const QString& text,
                                       const QKeySequence& taste, auto wirkung) {
        QAction* a = leiste->addAction(QIcon::fromTheme(QLatin1String(icon)), text);
        a->setShortcut(taste);
        connect(a, &QAction::triggered, this, wirkung);
        return a;
    };
    aktion("document-print", tr("Print..."), QKeySequence::Print, &QDialog::accept);
    aktion("document-page-setup", tr("Page Setup..."), QKeySequence(),
           &Druckvorschau::seiteEinrichten);
    leiste->addSeparator();
    aktion("zoom-in", tr("Zoom In"), QKeySequence::ZoomIn, [this] { m_vorschau->zoomIn(); });
    aktion("zoom-out", tr("Zoom Out"), QKeySequence::ZoomOut, [this] { m_vorschau->zoomOut(); });
    aktion("zoom-fit-width", tr("Fit Width"), QKeySequence(), [this] { m_vorschau->fitToWidth(); });
    aktion("zoom-fit-best", tr("Whole Page"), QKeySequence(), [this] {
        m_vorschau->setViewMode(QPrintPreviewWidget::SinglePageView);
        m_vorschau->fitInView();
    });
    aktion("view-grid", tr("All Pages"), QKeySequence(),
           [this] { m_vorschau->setViewMode(QPrintPreviewWidget::AllPagesView); });
    leiste->addSeparator();
    leiste->addWidget(m_seite);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(leiste);
    layout->addWidget(m_vorschau, 1);
    layout->addWidget(knoepfe);

    // Large enough to read a page, upright or turned, with room for the whole tool bar.
    if (const QScreen* s = parent ? parent->screen() : QGuiApplication::primaryScreen())
        resize(s->availableGeometry().size() * 9 / 10);
    m_vorschau->fitToWidth();
}

void Druckvorschau::seiteZeigen() {
    m_seite->setText(
        tr("Page %1 of %2").arg(m_vorschau->currentPage()).arg(m_vorschau->pageCount()));
}

void Druckvorschau::seiteEinrichten() {
    QPageSetupDialog dlg(&m_drucker, this);
    if (dlg.exec() != QDialog::Accepted) return;
    m_eingerichtet = true;
    m_vorschau->updatePreview();
}
