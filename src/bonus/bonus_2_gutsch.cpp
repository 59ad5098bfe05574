#include "bonus/bonus_2_gutsch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include "platform/bonus/bonus_rechner.h"
#include "platform/services/orv_parameter.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/german_format.h"

namespace {

constexpr int kRegelTyp = 1;

QString KundenSchluessel(const TIntPair& k) {
    return QStringLiteral("%1%2").arg(k.Lnr, 4, 10, QLatin1Char('0')).arg(k.Rnr, 9, 10, QLatin1Char('0'));
}

}  // namespace

TBonus2Gutsch::TBonus2Gutsch(QWidget* parent)
    : TBonusEditBasis(QStringLiteral("TBonus2Gutsch"), QStringLiteral("Boni in Gutscheine umwandeln"),
                      "GUTSGEN",
                      {QStringLiteral("cmbBonusTyp.Text"), QStringLiteral("cmbBonusName.Text"),
                       QStringLiteral("rbtBetragAusBonusExakt.Checked"),
                       QStringLiteral("rbtBetragAusBonusBerechnet.Checked"),
                       QStringLiteral("cmbBerechnungsvorschrift.Text")},
                      parent) {
    auto* menu = new QMenuBar(this);
    menu->addMenu(QStringLiteral("&Funktionen"))->addAction(QStringLiteral("zurück"));
    menu->addMenu(QStringLiteral("&?"));
    layout()->setMenuBar(menu);

    auto* boxen = new QWidget(pnlKopf);
    auto* bl = new QHBoxLayout(boxen);
    bl->setContentsMargins(0, 0, 0, 0);
    chbKundeZusammenfassen = new QCheckBox(QStringLiteral("Mehrere Boni eines Kunden zusammenfassen"), boxen);
    chbKundeZusammenfassen->setObjectName(QStringLiteral("chbKundeZusammenfassen"));
    chbBonusOffen = new QCheckBox(QStringLiteral("offene Boni"), boxen);
    chbBonusOffen->setObjectName(QStringLiteral("chbBonusOffen"));
    chbBonusAbgeschlossen = new QCheckBox(QStringLiteral("abgeschlossene Boni"), boxen);
    chbBonusAbgeschlossen->setObjectName(QStringLiteral("chbBonusAbgeschlossen"));
    bl->addWidget(chbKundeZusammenfassen);
    bl->addWidget(chbBonusOffen);
    bl->addWidget(chbBonusAbgeschlossen);
    bl->addStretch(1);
    KopfZeile(QString(), boxen);

    auto* betrag = new QWidget(pnlKopf);
    auto* rl = new QVBoxLayout(betrag);
    rl->setContentsMargins(0, 0, 0, 0);
    rbtBetragAusBonusExakt = new QRadioButton(QStringLiteral("Gutscheinbetrag wird aus Bonusbetrag übernommen"), betrag);
    rbtBetragAusBonusExakt->setObjectName(QStringLiteral("rbtBetragAusBonusExakt"));
    rbtBetragAusBonusExakt->setChecked(true);
    rbtBetragAusBonusBerechnet = new QRadioButton(QStringLiteral("Gutscheinbetrag wird aus Bonusbetrag berechnet"), betrag);
    rbtBetragAusBonusBerechnet->setObjectName(QStringLiteral("rbtBetragAusBonusBerechnet"));
    auto* regel = new QHBoxLayout;
    regel->addWidget(rbtBetragAusBonusBerechnet);
    auto* lblRegel = new QLabel(QStringLiteral("Berechnung"), betrag);
    cmbBerechnungsvorschrift = new QComboBox(betrag);
    cmbBerechnungsvorschrift->setObjectName(QStringLiteral("cmbBerechnungsvorschrift"));
    cmbBerechnungsvorschrift->setEnabled(false);
    lblRegel->setBuddy(cmbBerechnungsvorschrift);
    regel->addWidget(lblRegel);
    regel->addWidget(cmbBerechnungsvorschrift, 1);
    rl->addWidget(rbtBetragAusBonusExakt);
    rl->addLayout(regel);
    KopfZeile(QString(), betrag);

    btnVollbild = new QPushButton(QStringLiteral("Vollbild ein / aus"), this);
    btnVollbild->setObjectName(QStringLiteral("btnVollbild"));
    btnVollbild->setAutoDefault(false);
    KnopfLeiste()->insertWidget(5, btnVollbild);
    // Only the button marks a single row here.
    if (auto* taste = findChild<QShortcut*>(QStringLiteral("btnMarkierenTaste"))) taste->setEnabled(false);

    SpaltenSetzen({{QStringLiteral("KUNDE"), QStringLiteral("Kunde"), 262},
                   {QStringLiteral("DATUM"), QStringLiteral("Datum"), 73},
                   {QStringLiteral("BONUS"), QStringLiteral("Bonus"), 86},
                   {QStringLiteral("GUTSCHEIN"), QStringLiteral("Gutschein"), 84}});

    connect(rbtBetragAusBonusExakt, &QRadioButton::clicked, this, [this] { rbtBetragAusBonusClick(false); });
    connect(rbtBetragAusBonusBerechnet, &QRadioButton::clicked, this, [this] { rbtBetragAusBonusClick(true); });
    connect(btnVollbild, &QPushButton::clicked, this, [this] { btnVollbildClick(); });

    TypListeFuellen(false, false);
    RegelnFuellen();
    MaskeLaden();
    // A restored "berechnet" needs a rule to stand.
    rbtBetragAusBonusClick(rbtBetragAusBonusBerechnet->isChecked());
}

void TBonus2Gutsch::RegelnFuellen() {
    try {
        const QString alt = cmbBerechnungsvorschrift->currentText();
        cmbBerechnungsvorschrift->clear();
        TBonusRechner& r = Rechner();
        r.BETAList_Fuellen(kRegelTyp);
        std::vector<std::string> namen;
        r.Fuelle_Typ(namen, kRegelTyp);
        for (const auto& n : namen) cmbBerechnungsvorschrift->addItem(QString::fromStdString(n));
        cmbBerechnungsvorschrift->setCurrentIndex(cmbBerechnungsvorschrift->findText(alt));
    } catch (const std::exception& e) {
        Register("FormShow", e);
    }
}

void TBonus2Gutsch::showEvent(QShowEvent* event) {
    TBonusEditBasis::showEvent(event);
    if (event->spontaneous()) return;
    RegelnFuellen();
    rbtBetragAusBonusClick(rbtBetragAusBonusBerechnet->isChecked());
    chbKundeZusammenfassen->setChecked(true);
    // Only closed bonuses may be used when the parameter says so.
    const bool nurAbgeschlossen = ORVParameter().GetCharValueByName("BONUNUAB", 'N') == 'J';
    chbBonusOffen->setChecked(!nurAbgeschlossen);
    chbBonusOffen->setEnabled(!nurAbgeschlossen);
    chbBonusAbgeschlossen->setChecked(true);
    chbBonusAbgeschlossen->setEnabled(!nurAbgeschlossen);
    if (IstVollbild()) btnVollbildClick();
}

void TBonus2Gutsch::rbtBetragAusBonusClick(bool berechnet) {
    if (rbtSperre_) return;
    rbtSperre_ = true;
    try {
        if (berechnet && cmbBerechnungsvorschrift->count() > 0) {
            rbtBetragAusBonusExakt->setChecked(false);
            rbtBetragAusBonusBerechnet->setChecked(true);
            if (cmbBerechnungsvorschrift->currentIndex() < 0) cmbBerechnungsvorschrift->setCurrentIndex(0);
            cmbBerechnungsvorschrift->setEnabled(true);
            cmbBerechnungsvorschrift->setFocus();
        } else {
            rbtBetragAusBonusExakt->setChecked(true);
            rbtBetragAusBonusBerechnet->setChecked(false);
            cmbBerechnungsvorschrift->setCurrentIndex(-1);
            cmbBerechnungsvorschrift->setEnabled(false);
        }
    } catch (const std::exception& e) {
        Register("rbtBetragAusBonusClick", e);
    }
    rbtSperre_ = false;
}

bool TBonus2Gutsch::IstVollbild() const { return pnlKopf->isHidden(); }

void TBonus2Gutsch::btnVollbildClick() {
    // Full view: the grid takes the filter header's place, which is out of use meanwhile.
    const bool voll = !IstVollbild();
    pnlKopf->setVisible(!voll);
    pnlKopf->setEnabled(!voll);
}

long double TBonus2Gutsch::Berechne_Gutschein(long double wert) {
    try {
        const std::string regel = rbtBetragAusBonusBerechnet->isChecked()
                                      ? cmbBerechnungsvorschrift->currentText().toStdString()
                                      : std::string();
        if (rbtBetragAusBonusBerechnet->isChecked() && regel.empty()) return 0;
        return GutscheinBetrag(wert, regel);
    } catch (const std::exception& e) {
        Register("Berechne_Gutschein", e);
        return 0;
    }
}

void TBonus2Gutsch::Zeile(const TKundeBonusInfo& info, int position) {
    const QString kunde = KundenSchluessel(info.Kunde);
    auto n = namen_.find(kunde);
    if (n == namen_.end()) n = namen_.insert(kunde, KundenName(info.Kunde));
    const QString name = *n;
    if (position < 0) {
        const QVariant datum = info.BonusListe.size() == 1 ? QVariant(kis::ui::ToQDate(info.BonusListe[0].Datum)) : QVariant();
        ZeileAnhaengen({name, datum, double(info.Bonus), double(info.Gutschein)}, kunde + QStringLiteral("SUMM"));
    } else {
        const TIdent& id = info.BonusListe[size_t(position)];
        ZeileAnhaengen({name, kis::ui::ToQDate(id.Datum), double(id.Bonus), double(id.Gutschein)},
                       kunde + QStringLiteral("%1").arg(position, 4, 10, QLatin1Char('0')));
    }
    zeilen_.push_back({info.Kunde, position});
}

void TBonus2Gutsch::Suchen(std::vector<std::string>& meldungen) {
    FOPListe.clear();
    reihenfolge_.clear();
    zeilen_.clear();
    namen_.clear();
    FZusammen = chbKundeZusammenfassen->isChecked();
    TBonusSuchFilter f = FilterLesen();
    f.Offen = chbBonusOffen->isChecked();
    f.Abgeschlossen = chbBonusAbgeschlossen->isChecked();
    TBonusSuche suche;
    suche.NachPosten = &TBonusEditBasis::Nachrichten;
    const auto treffer = suche.Suchen(f);
    meldungen.insert(meldungen.end(), suche.Fehler().begin(), suche.Fehler().end());
    for (const auto& t : treffer) {
        TIdent id;
        id.RNr = t.Ref.RNr;
        id.LNr = t.Ref.LNr;
        id.SNr = t.Ref.SNr;
        id.Datum = t.Datum;
        id.Bonus = t.Wert;
        id.Gutschein = Berechne_Gutschein(t.Wert);
        auto [it, neu] = FOPListe.try_emplace(t.Kunde);
        TKundeBonusInfo& info = it->second;
        if (neu) {
            info.Kunde = t.Kunde;
            reihenfolge_.push_back(t.Kunde);
        }
        info.BonusListe.push_back(id);
        info.Bonus += t.Wert;
        // Together, the rule works on the customer's whole sum, not on each bonus.
        if (FZusammen) info.Gutschein = Berechne_Gutschein(info.Bonus);
        if (!FZusammen) Zeile(info, int(info.BonusListe.size()) - 1);
    }
    if (FZusammen)
        for (const auto& k : reihenfolge_) Zeile(FOPListe.at(k), -1);
}

void TBonus2Gutsch::NachSuche() {
    btnVollbildClick();
    grdBoni->setFocus();
}

void TBonus2Gutsch::Buchen(const std::vector<int>& zeilen, std::vector<std::string>& meldungen) {
    for (int row : zeilen) {
        if (row < 0 || row >= int(zeilen_.size())) continue;
        const TZeile& z = zeilen_[size_t(row)];
        const auto it = FOPListe.find(z.Kunde);
        if (it == FOPListe.end()) continue;
        const TKundeBonusInfo& info = it->second;
        std::vector<TGutscheinBonus> boni;
        long double betrag = 0;
        if (z.Position < 0) {
            for (const auto& id : info.BonusListe) boni.push_back({{id.RNr, id.LNr, int16_t(id.SNr)}, id.Bonus});
            betrag = info.Gutschein;
        } else if (z.Position < int(info.BonusListe.size())) {
            const TIdent& id = info.BonusListe[size_t(z.Position)];
            boni.push_back({{id.RNr, id.LNr, int16_t(id.SNr)}, id.Bonus});
            betrag = id.Gutschein;
        }
        try {
            Buche_Boni2Gutschein(info.Kunde, boni, betrag);
        } catch (const TBonusNichtBuchbar& e) {
            meldungen.push_back(e.what());
        } catch (const std::exception& e) {
            Register("Buche_Boni2Gutschein", e);
            meldungen.push_back(std::string("Gutschein für ") + KundenName(info.Kunde).toStdString() + ": " + e.what());
        }
        Nachrichten();
    }
}
