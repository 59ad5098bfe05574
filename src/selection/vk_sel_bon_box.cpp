#include "selection/vk_sel_bon_box.h"

#include <QInputDialog>
#include <QPushButton>

#include "platform/accounting/zm_tabelle.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/tables/filial_tabelle.h"
#include "platform/ui/check_list_box.h"
#include "selection/box_bau.h"

using namespace kis::selection;

namespace {
std::optional<int> GruppeWaehlen(QWidget* parent, const TFilialTabelle& tabelle) {
    QStringList items;
    std::vector<int> nummern;
    for (const auto& gruppe : tabelle.Gruppen().Gruppen()) {
        items << QStringLiteral("%1 - %2").arg(gruppe.Nr).arg(
            QString::fromStdString(gruppe.Bezeichnung));
        nummern.push_back(gruppe.Nr);
    }
    items << QStringLiteral("0 - keine Filiale");
    nummern.push_back(0);
    bool ok = false;
    const QString wahl =
        QInputDialog::getItem(parent, QStringLiteral("Filialgruppen"),
                              QStringLiteral("Filialgruppe:"), items, 0, false, &ok);
    if (!ok) return std::nullopt;
    return nummern[size_t(items.indexOf(wahl))];
}
}  // namespace

TVkSelBonBox::TVkSelBonBox(QWidget* parent)
    : TSelBox("VkSelBonBox", QStringLiteral("Bon"), parent) {
    auto* g = new QGridLayout(this);
    auto* von = Benannt(new TORVDateEdit(this), "edtDatumVon");
    auto* bis = Benannt(new TORVDateEdit(this), "edtDatumBis");
    auto* datum = NegLabel(QStringLiteral("lblTxtDatum"), QStringLiteral("&Verkaufsdatum"));
    PaarZeile(g, 0, datum, QStringLiteral("von"), MitKalender(this, von, "spbDatumVon"),
              QStringLiteral("bis"), MitKalender(this, bis, "spbDatumBis"));

    auto* filiale = NegLabel(QStringLiteral("lblTxtFiliale"), QStringLiteral("&Filiale"));
    chbFilialen = CheckList(QStringLiteral("chbFilialen"), 5, true);
    chbFilialen->setProperty("Tag", 1);
    chbFilialen->setMinimumHeight(60);
    filiale->Attach(chbFilialen);
    g->addWidget(filiale, 1, 0, Qt::AlignTop);
    g->addWidget(chbFilialen, 1, 1, 3, 4);
    auto* gruppen =
        Benannt(new QPushButton(QStringLiteral("Filialgruppen"), this), "btnFilialgruppen");
    auto* alleEin =
        Benannt(new QPushButton(QStringLiteral("Alle Filialen selektieren"), this), "spbAlleEin");
    auto* alleUms = Benannt(
        new QPushButton(QStringLiteral("Selektion aller Filialen umkehren"), this), "spbAlleUms");
    g->addWidget(gruppen, 1, 5, 1, 2);
    g->addWidget(alleEin, 2, 5, 1, 2);
    g->addWidget(alleUms, 3, 5, 1, 2);
    connect(gruppen, &QPushButton::clicked, this, &TVkSelBonBox::btnFilialgruppenClick);
    connect(alleEin, &QPushButton::clicked, this, &TVkSelBonBox::spbAlleEinClick);
    connect(alleUms, &QPushButton::clicked, this, &TVkSelBonBox::spbAlleUmsClick);

    PaarZeile(g, 4, NegLabel(QStringLiteral("lblTxtBonSum"), QStringLiteral("Bon&summe")),
              QStringLiteral("min."),
              Benannt(new TORVFloatEdit(12, 2, 999999999.99, this), "edtBonSumMin"),
              QStringLiteral("max."),
              Benannt(new TORVFloatEdit(12, 2, 999999999.99, this), "edtBonSumMax"));

    auto* zm = NegLabel(QStringLiteral("lblTxtZM"), QStringLiteral("&Zahlungsmittel"));
    chbZM = CheckList(QStringLiteral("chbZM"), 3, false);
    chbZM->setMinimumHeight(150);
    zm->Attach(chbZM);
    g->addWidget(zm, 5, 0, Qt::AlignTop);
    g->addWidget(chbZM, 5, 1, 1, 6);
    g->setColumnStretch(2, 1);
    g->setColumnStretch(4, 1);
}

TVkSelBonBox::~TVkSelBonBox() = default;

TFilialTabelle& TVkSelBonBox::Tabelle() {
    if (FFilialTabelle) return *FFilialTabelle;
    if (!FFilialTabelleOwn) {
        FFilialTabelleOwn = std::make_unique<TFilialTabelle>();
        FFilialTabelleOwn->Laden(ORVProgramm().GetAktMandant());
    }
    return *FFilialTabelleOwn;
}

void TVkSelBonBox::Init() {
    try {
        chbFilialen->ClearItems();
        for (const TFiliale& f : Tabelle().Filialen()) chbFilialen->AddItem(QString::number(f.Nr));
        chbZM->ClearItems();
        for (int nr : kis::selbox::ZMReihenfolge())
            chbZM->AddItem(QString::fromStdString(ZM_2_Bez(nr)),
                           QString::fromStdString(CORV_ZM_2_Kuerzel(nr)));
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TVkSelBonBox.Init", e, 1);
    }
}

void TVkSelBonBox::btnFilialgruppenClick() {
    try {
        if (!chbFilialen->isEnabled()) return;
        const auto gruppe =
            OnFilialgruppeWahl ? OnFilialgruppeWahl(Tabelle()) : GruppeWaehlen(this, Tabelle());
        if (gruppe) FilialgruppeAnwenden(*gruppe);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TVkSelBonBox.btnFilialgruppenClick", e, 1);
    }
}

void TVkSelBonBox::FilialgruppeAnwenden(int gruppe) {
    const TFilialGruppe* g = gruppe > 0 ? Tabelle().Gruppen().GetGruppeByNr(gruppe) : nullptr;
    for (int i = 0; i < chbFilialen->Count(); ++i)
        chbFilialen->SetChecked(i,
                                g && g->Filialen.Exists(chbFilialen->Caption(i).trimmed().toInt()));
}

void TVkSelBonBox::spbAlleEinClick() {
    if (chbFilialen->isEnabled()) chbFilialen->CheckAll(true);
}

void TVkSelBonBox::spbAlleUmsClick() {
    if (chbFilialen->isEnabled()) chbFilialen->InvertAll();
}
