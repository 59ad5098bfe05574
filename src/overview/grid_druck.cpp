#include "overview/grid_druck.h"

#include <QDate>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/german_format.h"

TGridDruck::TGridDruck(const TORVDataGrid& grid, QString titel, QString mandant)
    : titel_(std::move(titel)), mandant_(std::move(mandant)) {
    const TORVDataModel* m = grid.DataModel();
    if (!m) return;
    // Columns in the order the user sees them.
    std::vector<int> spalten;
    const QHeaderView* header = grid.horizontalHeader();
    for (int v = 0; v < header->count(); ++v) {
        const int c = header->logicalIndex(v);
        if (c >= 0 && !grid.isColumnHidden(c)) spalten.push_back(c);
    }
    for (int c : spalten) {
        kopf_ << m->Column(c).caption;
        rechts_.push_back(m->Column(c).alignment.testFlag(Qt::AlignRight));
    }
    for (int r = 0; r < grid.VisibleRowCount(); ++r) {
        const int row = grid.SourceRowAt(r);
        QStringList z;
        for (int c : spalten) z << m->DisplayText(row, c).trimmed();
        zeilen_.push_back(z);
    }
}

bool TGridDruck::Drucken(QPagedPaintDevice& device) const {
    QPainter p;
    if (!p.begin(&device)) return false;
    const QFont font(QStringLiteral("Sans Serif"), 8);
    QFont fett = font;
    fett.setBold(true);
    // The painter's own metrics: a preview page and a printer page differ in resolution.
    p.setFont(fett);
    const QFontMetrics fmFett = p.fontMetrics();
    p.setFont(font);
    const QFontMetrics fm = p.fontMetrics();
    const QRect seite = p.viewport();
    const int zeile = fm.height() + 2;
    const int rand = fm.averageCharWidth();

    // Column widths from the widest text of each column, scaled into the page width.
    std::vector<int> breiten(size_t(kopf_.size()), 0);
    for (int c = 0; c < kopf_.size(); ++c) breiten[size_t(c)] = fmFett.horizontalAdvance(kopf_[c]) + 3 * rand;
    for (const QStringList& z : zeilen_)
        for (int c = 0; c < z.size() && c < kopf_.size(); ++c)
            breiten[size_t(c)] = std::max(breiten[size_t(c)], fm.horizontalAdvance(z[c]) + 3 * rand);
    int summe = 0;
    for (int b : breiten) summe += b;
    if (summe > seite.width() && summe > 0)
        for (int& b : breiten) b = b * seite.width() / summe;

    const int kopfHoehe = 3 * zeile;
    const int fussHoehe = 2 * zeile;
    const int proSeite = std::max(1, (seite.height() - kopfHoehe - fussHoehe) / zeile - 1);
    const int seiten = std::max(1, int((zeilen_.size() + size_t(proSeite) - 1) / size_t(proSeite)));
    const QString datum = kis::ui::FormatDate(QDate::currentDate());

    auto zeileZeichnen = [&](int y, const QStringList& werte) {
        int x = 0;
        for (int c = 0; c < kopf_.size(); ++c) {
            const QRect r(x + rand, y, breiten[size_t(c)] - 2 * rand, zeile);
            const Qt::Alignment a = (rechts_[size_t(c)] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            p.drawText(r, int(a), fm.elidedText(werte.value(c), Qt::ElideRight, r.width()));
            x += breiten[size_t(c)];
        }
    };

    for (int s = 0; s < seiten; ++s) {
        if (s > 0) device.newPage();
        p.setFont(fett);
        p.drawText(QRect(0, 0, seite.width(), zeile), Qt::AlignLeft | Qt::AlignVCenter, mandant_);
        p.drawText(QRect(0, 0, seite.width(), zeile), Qt::AlignHCenter | Qt::AlignVCenter, titel_);
        p.setFont(font);
        p.drawText(QRect(0, 0, seite.width(), zeile), Qt::AlignRight | Qt::AlignVCenter, datum);
        p.setFont(fett);
        zeileZeichnen(2 * zeile, kopf_);
        p.setFont(font);
        p.drawLine(0, 3 * zeile, seite.width(), 3 * zeile);
        int y = kopfHoehe;
        for (int i = s * proSeite; i < std::min(int(zeilen_.size()), (s + 1) * proSeite); ++i, y += zeile)
            zeileZeichnen(y, zeilen_[size_t(i)]);
        p.drawText(QRect(0, seite.height() - zeile, seite.width(), zeile), Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("Seite %1 von %2").arg(s + 1).arg(seiten));
    }
    p.end();
    return true;
}
