#include "platform/ui/gpsel/gp_sel_grid_box.h"

#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/partners/gp_merkmale.h"
#include "platform/services/orv_info.h"

TGPSelGridBox::TGPSelGridBox(const std::string& boxName, const QString& titel,
                             const QString& gridName, const QString& spalte0,
                             std::function<std::vector<std::string>()> namen, QWidget* parent)
    : TSelBox(boxName, titel, parent), namen_(std::move(namen)) {
    auto* l = new QVBoxLayout(this);
    grid_ = TSelBox::Grid(gridName, spalte0);
    grid_->setMinimumHeight(140);
    l->addWidget(grid_);
}

void TGPSelGridBox::Init() {
    try {
        if (namen_) ZeilenSetzen(namen_());
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(objectName().toStdString() + ".Init", e, 1);
    }
}

void TGPSelGridBox::ZeilenSetzen(const std::vector<std::string>& namen) {
    grid_->setRowCount(int(namen.size()));
    for (int r = 0; r < int(namen.size()); ++r) {
        auto* name = new QTableWidgetItem(QString::fromStdString(namen[size_t(r)]));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid_->setItem(r, 0, name);
        auto* wert = new QTableWidgetItem;
        wert->setBackground(Qt::white);
        grid_->setItem(r, 1, wert);
    }
}

bool TGPSelGridBox::Setze(const QString& wert, bool bearbeiten) {
    const int r = grid_->currentRow();
    if (r < 0) return false;
    QTableWidgetItem* it = grid_->item(r, 1);
    if (!it) grid_->setItem(r, 1, it = new QTableWidgetItem);
    if (!(it->flags() & Qt::ItemIsEditable)) return false;
    it->setText(wert);
    if (bearbeiten) {
        grid_->setCurrentCell(r, 1);
        grid_->editItem(it);
    }
    return true;
}

bool TGPSelGridBox::WertGefuellt() {
    return Setze(QStringLiteral("<gefüllt>"), false);
}
bool TGPSelGridBox::WertLeer() {
    return Setze(QStringLiteral("<leer>"), false);
}
// Starts a comparison: the value becomes ">=" and the cell opens for the number.
bool TGPSelGridBox::WertVergleichen() {
    return Setze(QStringLiteral(">="), true);
}

bool TGPSelGridBox::WertAktion(int aktion) {
    return aktion == 0 ? WertGefuellt() : aktion == 1 ? WertLeer() : WertVergleichen();
}

TGPSelMerkmBox::TGPSelMerkmBox(QWidget* parent)
    : TGPSelGridBox(
          "GPSelMerkmBox", QStringLiteral("Merkmale"), QStringLiteral("grdMerkmale"),
          QStringLiteral("Merkmal"), [] { return TGpMerkmale::Definitionen(); }, parent) {}

TGPSelNrBox::TGPSelNrBox(QWidget* parent)
    : TGPSelGridBox(
          "GPSelNrBox", QStringLiteral("Nummern"), QStringLiteral("grdNummern"),
          QStringLiteral("Nummernart"), [] { return TGpMerkmale::NummernArten(); }, parent) {}
