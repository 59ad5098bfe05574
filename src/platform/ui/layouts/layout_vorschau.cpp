#include "platform/ui/layouts/layout_vorschau.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/ui/layouts/karten_zeichner.h"

using namespace kis::layouts;

TLayoutVorschau::TLayoutVorschau(QWidget* parent) : QWidget(parent), FKunde(MusterKunde({})) {
    setObjectName(QStringLiteral("pnlVorschau"));
    setMinimumSize(200, 200);
}

void TLayoutVorschau::SetLayout(const std::optional<TKundLayout>& layout) {
    FLayout = layout;
    update();
}

void TLayoutVorschau::SetKunde(const TKundenDaten& kunde) {
    FKunde = kunde;
    update();
}

void TLayoutVorschau::SetNurEinEtikett(bool ein) {
    FEinEtikett = ein;
    update();
}

QImage TLayoutVorschau::Bild(const QSize& groesse) const {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(palette().color(QPalette::Window));
    if (!FLayout || groesse.isEmpty()) return bild;
    const TKundLayout& l = *FLayout;
    // The shown part in mm: the page, or the first label.
    const double breite = FEinEtikett ? l.Breite : l.Seitenbreite;
    const double hoehe = FEinEtikett ? l.Hoehe : l.Seitenhoehe;
    if (!(breite > 0 && hoehe > 0)) return bild;
    const double rand = 8;  // px around the page
    const double proMm = std::min((groesse.width() - 2 * rand) / breite, (groesse.height() - 2 * rand) / hoehe);
    if (!(proMm > 0) || !std::isfinite(proMm)) return bild;

    // A page image whose resolution makes one mm `proMm` pixels, so fonts keep their size
    // relative to the page.
    QImage seite(std::max(1, int(std::lround(breite * proMm))), std::max(1, int(std::lround(hoehe * proMm))),
                 QImage::Format_RGB32);
    seite.setDotsPerMeterX(int(std::lround(proMm * 1000)));
    seite.setDotsPerMeterY(int(std::lround(proMm * 1000)));
    seite.fill(Qt::white);
    {
        QPainter p(&seite);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const int anzahl = FEinEtikett ? 1 : std::clamp(l.EtikettenProSeite(), 1, 2500);
        for (int i = 0; i < anzahl; ++i) {
            const TEtikettStelle s = EtikettStelle(l, i);
            kis::ui::EtikettZeichnen(p, l, FEinEtikett ? 0 : s.X, FEinEtikett ? 0 : s.Y, FKunde, true);
        }
    }
    QPainter p(&bild);
    const QPointF links((groesse.width() - seite.width()) / 2.0, (groesse.height() - seite.height()) / 2.0);
    p.fillRect(QRectF(links + QPointF(3, 3), QSizeF(seite.size())), QColor(0, 0, 0, 60));  // shadow
    p.drawImage(links, seite);
    p.setPen(Qt::darkGray);
    p.drawRect(QRectF(links, QSizeF(seite.size())));
    return bild;
}

void TLayoutVorschau::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), Bild(size()));
}
