#include "bonus/programm_selektion.h"

#include <QComboBox>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/aktiv_passiv.h"
#include "app/dm.h"
#include "platform/services/orv_info.h"
#include "platform/ui/gpsel/gp_sel_adr_box.h"
#include "platform/ui/gpsel/gp_sel_erw_box.h"
#include "platform/ui/gpsel/gp_sel_grid_box.h"
#include "selection/sum_sel_op_box.h"
#include "selection/sum_sel_vk_box.h"
#include "selection/vk_sel_bon_box.h"
#include "selection/vk_sel_pos_box.h"

namespace {

constexpr const char* kNichtVerrechnet = "chbNichtBonusVerrechnet";
constexpr const char* kVerrechnet = "chbBonusVerrechnet";

// One tab: its boxes stacked in a scroll box.
QWidget* Tab(QWidget* parent, const QString& name, const QString& titel, QVBoxLayout*& boxen) {
    auto* tab = new QWidget(parent);
    tab->setObjectName(name);
    tab->setWindowTitle(titel);
    auto* scb = new QScrollArea(tab);
    scb->setWidgetResizable(true);
    auto* flaeche = new QWidget(scb);
    boxen = new QVBoxLayout(flaeche);
    scb->setWidget(flaeche);
    (new QVBoxLayout(tab))->addWidget(scb);
    return tab;
}

}  // namespace

TProgrammSelektion::TProgrammSelektion(const QString& prefix, TDM* dm, QWidget* parent)
    : QObject(parent), prefix_(prefix), dm_(dm) {
    QVBoxLayout *kunde = nullptr, *verkauf = nullptr, *gesamt = nullptr;
    tshKunde = Tab(parent, prefix + QStringLiteral("tshSelKunde"), QStringLiteral("Selektion Kunde"), kunde);
    tshVerkauf = Tab(parent, prefix + QStringLiteral("tshSelVerkauf"), QStringLiteral("Selektion Verkauf"), verkauf);
    tshGesamtdaten = Tab(parent, prefix + QStringLiteral("tshSelGesamt"), QStringLiteral("Selektion Gesamtdaten"), gesamt);
    kunde->addWidget(GPSelAdrBox = new TGPSelAdrBox);
    kunde->addWidget(GPSelErwBox = new TGPSelErwBox);
    kunde->addWidget(GPSelMerkmBox = new TGPSelMerkmBox);
    kunde->addWidget(GPSelNrBox = new TGPSelNrBox);
    verkauf->addWidget(VkSelBonBox = new TVkSelBonBox);
    verkauf->addWidget(VkSelPosBox = new TVkSelPosBox);
    gesamt->addWidget(SumSelVkBox = new TSumSelVkBox);
    gesamt->addWidget(SumSelOPBox = new TSumSelOPBox);
    gesamt->addWidget(SumSelEVBox = new TSumSelEVBox);
    for (auto* l : {kunde, verkauf, gesamt}) l->addStretch(1);
    SumSelEVBox->hide();
    for (TSelBox* b : Boxen()) {
        b->FMaskeOwner = QStringLiteral("SELBONUS");
        b->Init();
    }
    SumSelEVBox->Init();
    Clear();
}

TProgrammSelektion::~TProgrammSelektion() {
    for (TSelBox* b : Boxen()) {
        try {
            b->Done();
        } catch (const std::exception& e) {
            ORVInfo().RegisterException("TBonusProgrammeFrm.FormDestroy", e, 0);
        }
    }
}

std::vector<TSelBox*> TProgrammSelektion::Boxen() const {
    return {GPSelAdrBox, GPSelErwBox, GPSelMerkmBox, GPSelNrBox, VkSelBonBox, VkSelPosBox, SumSelVkBox, SumSelOPBox};
}

TSelBox* TProgrammSelektion::Box(const QString& name) const {
    // Lines may carry the page prefix before the box name.
    const QString ohnePrefix = name.startsWith(prefix_) ? name.mid(prefix_.size()) : name;
    for (TSelBox* b : Boxen())
        if (b->objectName() == ohnePrefix) return b;
    return nullptr;
}

std::vector<std::string> TProgrammSelektion::Sperrzeilen() {
    return {std::string("VkSelPosBox.") + kNichtVerrechnet + "=1", std::string("VkSelPosBox.") + kVerrechnet + "=0"};
}

void TProgrammSelektion::BonusSperre() {
    VkSelPosBox->WertSetzen(QLatin1String(kNichtVerrechnet), QStringLiteral("1"));
    VkSelPosBox->WertSetzen(QLatin1String(kVerrechnet), QStringLiteral("0"));
    VkSelPosBox->Sperren(QLatin1String(kNichtVerrechnet));
    VkSelPosBox->Sperren(QLatin1String(kVerrechnet));
}

void TProgrammSelektion::Clear() {
    fremd_.clear();
    for (TSelBox* b : Boxen()) b->Clear();
    BonusSperre();
}

void TProgrammSelektion::EnabledSetzen(bool on) {
    for (TSelBox* b : Boxen()) b->EnabledSetzen(on);
    BonusSperre();
}

void TProgrammSelektion::BoxesGet(const std::vector<std::string>& zeilen) {
    Clear();
    kis::app::TAktivPassivTable tabelle;
    for (const auto& [combo, aktiv, passiv] : TGPSelErwBox::StatusTabelle())
        tabelle.push_back({combo, aktiv, passiv, 0, false});
    for (const auto& z : zeilen) {
        const QString zeile = QString::fromStdString(z);
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (gleich <= 0) continue;
        const QString name = zeile.left(gleich).trimmed();
        const QString wert = zeile.mid(gleich + 1);
        const qsizetype punkt = name.indexOf(QLatin1Char('.'));
        if (punkt <= 0) continue;
        TSelBox* box = Box(name.left(punkt));
        if (!box) {
            if (!name.startsWith(QLatin1String("SumSelEVBox."))) fremd_.push_back(z);
            continue;
        }
        const QString control = name.mid(punkt + 1).section(QLatin1Char('.'), 0, 0);
        if (box->WertSetzen(control, wert)) continue;
        // Not a control of the box: an active/passive option of the customer status.
        if (dm_) dm_->SonderLockeAktivPassiv(control, wert, tabelle);
        else kis::app::SonderLockeAktivPassiv(control.toStdString(), wert.toStdString(), tabelle);
    }
    bool gesetzt = false;
    for (const auto& e : tabelle) gesetzt = gesetzt || e.touched;
    if (gesetzt) {
        if (dm_) dm_->SonderLockeAktivPassivFinal(GPSelErwBox, tabelle);
        else
            for (const auto& e : tabelle)
                if (auto* combo = GPSelErwBox->findChild<QComboBox*>(QString::fromStdString(e.comboName)))
                    GPSelErwBox->StatusNachCombo(combo, e.state);
    }
    BonusSperre();
}

std::vector<std::string> TProgrammSelektion::BoxesPut() const {
    std::vector<std::string> out;
    for (TSelBox* b : Boxen()) {
        QStringList liste;
        b->ChangedItemsGet(b->objectName(), liste);
        for (const QString& l : liste) {
            if (b == VkSelPosBox && (l.startsWith(QStringLiteral("VkSelPosBox.") + QLatin1String(kNichtVerrechnet) + "=") ||
                                     l.startsWith(QStringLiteral("VkSelPosBox.") + QLatin1String(kVerrechnet) + "=")))
                continue;
            out.push_back(l.toStdString());
        }
        if (b == VkSelPosBox)
            for (const auto& s : Sperrzeilen()) out.push_back(s);
    }
    out.insert(out.end(), fremd_.begin(), fremd_.end());
    return out;
}
