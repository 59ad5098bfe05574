#include "bonus/umzr_listen.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <stdexcept>

#include "platform/articles/artikel_tools.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/ui/mask_edit.h"

namespace {

// Decimal cells: 9 characters, 2 decimals, 0 to 999999,99.
class BetragDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* e = new TORVFloatEdit(9, 2, 999999.99, parent);
        e->setAlignment(Qt::AlignCenter);
        return e;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* e = static_cast<TORVFloatEdit*>(editor);
        e->SetText(index.data().toString().remove(QLatin1Char('.')));
        e->selectAll();
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<TORVFloatEdit*>(editor)->Text());
    }
};

int64_t Cent(const QString& text) {
    int64_t v = 0;
    if (text.trimmed().isEmpty()) return 0;
    if (!DezimalZuHundertstel(text.toStdString(), v) || v < 0)
        throw std::invalid_argument("Unlesbarer Betrag: " + text.toStdString());
    return v;
}

QString Text(int64_t cent) { return QString::fromStdString(HundertstelZuText(cent)); }

}  // namespace

TUmzrListe::TUmzrListe(Art art, const QString& name, QWidget* parent) : QTableWidget(parent), art_(art) {
    setObjectName(name);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    if (art_ == Art::ExtraBonus) {
        setColumnCount(2);
        setHorizontalHeaderLabels({QStringLiteral("Ab Umsatzgrenze"), QStringLiteral("Zusatzbonus")});
        setColumnWidth(0, 100);
        setColumnWidth(1, 100);
        setItemDelegateForColumn(0, new BetragDelegate(this));
        setItemDelegateForColumn(1, new BetragDelegate(this));
    } else {
        setColumnCount(6);
        setHorizontalHeaderLabels({QStringLiteral("PID"), QStringLiteral("Artikelnummer"), QStringLiteral("GG"),
                                   QStringLiteral("GrößeIdx"), QStringLiteral("Größe"), QStringLiteral("Wert         ")});
        setColumnWidth(1, 200);
        setColumnWidth(5, 100);
        setItemDelegateForColumn(5, new BetragDelegate(this));
    }
    connect(this, &QTableWidget::cellChanged, this, &TUmzrListe::ZelleGeaendert);
    Leeren();
}

void TUmzrListe::Leeren() {
    intern_ = true;
    setRowCount(0);
    intern_ = false;
    AngehaengteZeile();
}

void TUmzrListe::AngehaengteZeile() {
    intern_ = true;
    const int row = rowCount();
    insertRow(row);
    for (int c = 0; c < columnCount(); ++c) {
        auto* item = new QTableWidgetItem;
        const bool editierbar = art_ == Art::ExtraBonus || c == 1 || c == 5;
        item->setFlags(editierbar ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                  : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, c, item);
    }
    intern_ = false;
}

bool TUmzrListe::ZeileLeer(int row) const {
    try {
        return ZeileLeerOderFehler(row);
    } catch (const std::exception&) {
        return false;  // something unreadable was typed: the row is not empty
    }
}

bool TUmzrListe::ZeileLeerOderFehler(int row) const {
    auto text = [&](int c) { return item(row, c) ? item(row, c)->text().trimmed() : QString(); };
    if (art_ == Art::ExtraBonus) return Cent(text(0)) == 0 && Cent(text(1)) == 0;
    TInt32Trio pid;
    const bool ohneSchluessel = !TInt32Trio::FromString(text(0).toStdString(), pid) || pid.IsNull();
    return ohneSchluessel && Cent(text(5)) == 0;
}

void TUmzrListe::ZelleGeaendert(int row, int column) {
    if (intern_) return;
    intern_ = true;
    if (art_ == Art::Artikel && column == 1) {
        // The entered article number becomes the product key; an unknown number leaves an
        // undefined key.
        TInt32Trio pid;
        TArtikelSatz satz;
        const QString nr = item(row, 1)->text().trimmed();
        const bool bekannt = TInt32Trio::FromString(nr.toStdString(), pid) && TArtikelTools::Lesen(pid, satz);
        if (!bekannt) pid = TInt32Trio();
        item(row, 0)->setText(QString::fromStdString(pid.ToString()));
        if (bekannt) item(row, 1)->setText(QString::fromStdString(pid.ToString()));
    }
    intern_ = false;
    if (row == rowCount() - 1 && !item(row, column)->text().trimmed().isEmpty()) {
        bool leer = false;
        for (int r = 0; r < Zeilen() && !leer; ++r) leer = ZeileLeer(r);
        if (leer) {
            // Only one new row at a time: fill or remove the empty one first.
            intern_ = true;
            for (int c = 0; c < columnCount(); ++c) item(row, c)->setText(QString());
            intern_ = false;
        } else {
            AngehaengteZeile();
        }
    }
}

void TUmzrListe::keyPressEvent(QKeyEvent* event) {
    if (bearbeitbar_ && event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
        const int row = currentRow();
        if (row >= 0 && row < Zeilen()) removeRow(row);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TUmzrListe::SetBearbeitbar(bool on) {
    bearbeitbar_ = on;
    setEditTriggers(on ? QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                             QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                       : QAbstractItemView::NoEditTriggers);
}

std::vector<TQEL_WertBis_Betrag> TUmzrListe::ExtraBonusLesen() const {
    std::vector<TQEL_WertBis_Betrag> out;
    for (int r = 0; r < Zeilen(); ++r) out.push_back({Cent(item(r, 0)->text()), Cent(item(r, 1)->text())});
    return out;
}

std::vector<TQEL_PID_GR_Betrag> TUmzrListe::PGBAuslesen() const {
    std::vector<TQEL_PID_GR_Betrag> out;
    for (int r = 0; r < Zeilen(); ++r) {
        TQEL_PID_GR_Betrag b;
        if (!TInt32Trio::FromString(item(r, 0)->text().trimmed().toStdString(), b.ProduktId) || b.ProduktId.IsNull())
            throw std::invalid_argument("Unbekannte Artikelnummer in Zeile " + std::to_string(r + 1) + ".");
        b.BetragCent = Cent(item(r, 5)->text());
        out.push_back(b);
    }
    return out;
}

void TUmzrListe::ExtraBonusSetzen(const std::vector<TQEL_WertBis_Betrag>& liste) {
    setUpdatesEnabled(false);
    Leeren();
    intern_ = true;
    for (const auto& e : liste) {
        const int row = rowCount() - 1;
        item(row, 0)->setText(Text(e.WertBisCent));
        item(row, 1)->setText(Text(e.BetragCent));
        intern_ = false;
        AngehaengteZeile();
        intern_ = true;
    }
    intern_ = false;
    setUpdatesEnabled(true);
}

void TUmzrListe::PGBSetzen(const std::vector<TQEL_PID_GR_Betrag>& liste) {
    setUpdatesEnabled(false);
    Leeren();
    intern_ = true;
    for (const auto& a : liste) {
        const int row = rowCount() - 1;
        item(row, 0)->setText(QString::fromStdString(a.ProduktId.ToString()));
        item(row, 1)->setText(QString::fromStdString(a.ProduktId.ToString()));
        item(row, 5)->setText(Text(a.BetragCent));
        intern_ = false;
        AngehaengteZeile();
        intern_ = true;
    }
    intern_ = false;
    setUpdatesEnabled(true);
}
