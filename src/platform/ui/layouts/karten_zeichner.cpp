#include "platform/ui/layouts/karten_zeichner.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>

namespace kis::ui {

using kis::layouts::TKundLayout;

QPageLayout SeitenLayout(const TKundLayout& layout) {
    const QPageSize groesse(QSizeF(layout.Seitenbreite, layout.Seitenhoehe), QPageSize::Millimeter,
                            QString::fromStdString(layout.Name), QPageSize::ExactMatch);
    QPageLayout seite(groesse, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    seite.setMode(QPageLayout::FullPageMode);
    return seite;
}

void EtikettZeichnen(QPainter& p, const TKundLayout& layout, double xMm, double yMm,
                     const kis::layouts::TKundenDaten& kunde, bool umriss) {
    QPaintDevice* device = p.device();
    const double fx = device->logicalDpiX() / 25.4;
    const double fy = device->logicalDpiY() / 25.4;
    const QRectF etikett(xMm * fx, yMm * fy, layout.Breite * fx, layout.Hoehe * fy);

    p.save();
    if (umriss || layout.Rahmen) {
        QPen stift(umriss && !layout.Rahmen ? QColor(170, 170, 170) : QColor(Qt::black));
        stift.setStyle(umriss && !layout.Rahmen ? Qt::DashLine : Qt::SolidLine);
        stift.setWidthF(std::max(1.0, 0.2 * fx));  // 0,2 mm
        stift.setCosmetic(false);
        p.setPen(stift);
        p.setBrush(Qt::NoBrush);
        p.drawRect(etikett);
    }
    p.setClipRect(etikett, Qt::IntersectClip);
    p.setPen(Qt::black);
    for (const kis::layouts::TLayoutFeld& f : layout.Felder) {
        const QString text = QString::fromStdString(kis::layouts::FeldText(f.Inhalt, kunde));
        if (text.isEmpty()) continue;
        QFont schrift(QString::fromStdString(f.Schrift));
        schrift.setPointSizeF(f.Groesse);
        schrift.setBold(f.Fett);
        p.setFont(schrift);
        const QFontMetricsF fm(schrift, device);
        const double x = etikett.left() + (layout.XPosition + f.X) * fx;
        const double oben = etikett.top() + f.Y * fy;
        // Up to the field's width, or to the label's right edge.
        const double rechts = f.Breite > 0 ? std::min(x + f.Breite * fx, etikett.right()) : etikett.right();
        const QString sichtbar = fm.elidedText(text, Qt::ElideRight, std::max(0.0, rechts - x));
        p.drawText(QPointF(x, oben + fm.ascent()), sichtbar);
    }
    p.restore();
}

}  // namespace kis::ui
