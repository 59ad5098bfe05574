#include "bonus/bonus_als_verw.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <unordered_map>

#include "app/kunden_info.h"
#include "platform/services/orv_info.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/german_format.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/progress_dialog.h"

namespace {

Tbonusalsverw* gInstanz = nullptr;

QCheckBox* Haken(const char* name, const char* text, QWidget* parent) {
    auto* c = new QCheckBox(QString::fromUtf8(text), parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

bool IstRabattschein(const std::string& programmId) {
    return programmId == "BONUSRABS" || programmId == "RSCHEMANU";
}

}  // namespace

Tbonusalsverw::Tbonusalsverw(QWidget* parent)
    : TBonusEditBasis(QStringLiteral("Tbonusalsverw"), QStringLiteral("Boni als verwendet kennzeichnen"),
                      "BONALSVW",
                      {QStringLiteral("cmbBonusTyp.Text"), QStringLiteral("cmbBonusName.Text"),
                       QStringLiteral("cmbBonusTyp.ItemIndex"), QStringLiteral("cmbBonusName.ItemIndex"),
                       QStringLiteral("chbKundeZusammenfassen.Checked"), QStringLiteral("chbBonusOffen.Checked"),
                       QStringLiteral("chbBonusAbgeschlossen.Checked")},
                      parent) {
    lblDatum->setText(QStringLiteral("erzeugt von / bis"));

    auto* gueltig = new QWidget(pnlKopf);
    auto* lg = new QHBoxLayout(gueltig);
    lg->setContentsMargins(0, 0, 0, 0);
    edtGueltigVon = new TORVDateEdit(gueltig);
    edtGueltigVon->setObjectName(QStringLiteral("edtGueltigVon"));
    edtGueltigBis = new TORVDateEdit(gueltig);
    edtGueltigBis->setObjectName(QStringLiteral("edtGueltigBis"));
    lg->addWidget(edtGueltigVon, 1);
    lg->addWidget(edtGueltigBis, 1);
    KopfZeile(QStringLiteral("gültig von / bis"), gueltig);

    auto* haken = new QWidget(pnlKopf);
    auto* lh = new QHBoxLayout(haken);
    lh->setContentsMargins(0, 0, 0, 0);
    chbKundeZusammenfassen = Haken("chbKundeZusammenfassen", "Mehrere Boni eines Kunden zusammenfassen", haken);
    chbBonusOffen = Haken("chbBonusOffen", "offene Boni", haken);
    chbBonusAbgeschlossen = Haken("chbBonusAbgeschlossen", "abgeschlossene Boni", haken);
    chbNurManuell = Haken("chbNurManuell", "nur manuelle Boni", haken);
    for (auto* c : {chbKundeZusammenfassen, chbBonusOffen, chbBonusAbgeschlossen, chbNurManuell}) lh->addWidget(c);
    lh->addStretch(1);
    KopfZeile(QString(), haken);

    btnVollbild = new QPushButton(QStringLiteral("Vollbild ein / aus"), this);
    btnVollbild->setObjectName(QStringLiteral("btnVollbild"));
    btnVollbild->setAutoDefault(false);
    KnopfLeiste()->insertWidget(KnopfLeiste()->count() - 2, btnVollbild);
    connect(btnVollbild, &QPushButton::clicked, this, &Tbonusalsverw::btnVollbildClick);

    SpaltenSetzen({{QStringLiteral("KUNDE"), QStringLiteral("Kunde"), 262},
                   {QStringLiteral("DATUM"), QStringLiteral("Datum"), 73},
                   {QStringLiteral("BONUS"), QStringLiteral("Bonus"), 86},
                   {QStringLiteral("GUTSCHEIN"), QStringLiteral("Gutschein"), 84},
                   {QStringLiteral("RABATT"), QStringLiteral("Rabattschein"), 92}});
    TypListeFuellen(true, true);
    MaskeLaden();
    if (!gInstanz) gInstanz = this;
}

Tbonusalsverw::~Tbonusalsverw() {
    if (gInstanz == this) gInstanz = nullptr;
}

Tbonusalsverw* Tbonusalsverw::Instanz() { return gInstanz; }

void Tbonusalsverw::MenueVerbinden(TKundenInfo& menu) {
    menu.SetAktion(QStringLiteral("BTNBONUSALSVERW"), [this] { Zeigen(TBonusEditAction::baAlsVerw); });
    menu.SetAktion(QStringLiteral("BTNBONUSSTORNO"), [this] { Zeigen(TBonusEditAction::baStorno); });
}

int Tbonusalsverw::Zeigen(TBonusEditAction action) {
    FEditAction = action;
    return exec();
}

void Tbonusalsverw::showEvent(QShowEvent* event) {
    TBonusEditBasis::showEvent(event);
    if (event->spontaneous()) return;
    try {
        switch (FEditAction) {
            case TBonusEditAction::baAlsVerw: setWindowTitle(QStringLiteral("Boni als verwendet kennzeichnen")); break;
            case TBonusEditAction::baStorno: setWindowTitle(QStringLiteral("Boni stornieren")); break;
            default: RaiseTypD("FormShow");
        }
        edtGueltigVon->Clear();
        edtGueltigBis->Clear();
        for (auto* c : {chbBonusOffen, chbBonusAbgeschlossen}) {
            c->setChecked(true);
            c->setEnabled(true);
        }
        opListe_.Clear();
    } catch (const std::exception& e) {
        Register("FormShow", e);
    }
}

void Tbonusalsverw::Suchen(std::vector<std::string>& meldungen) {
    opListe_.Clear();
    FZusammen = chbKundeZusammenfassen->isChecked();
    TBonusSuchFilter f = FilterLesen();
    // Discount coupons have no open item in the bonus table.
    if (f.ProgrammId && *f.ProgrammId == "BONUSRABS") f.Tabelle = "NONE";
    f.Offen = chbBonusOffen->isChecked();
    f.Abgeschlossen = chbBonusAbgeschlossen->isChecked();
    f.NurManuell = chbNurManuell->isChecked();
    f.GueltigVon = edtGueltigVon->GetAsDate().value_or(0);
    f.GueltigBis = edtGueltigBis->GetAsDate().value_or(0);
    TBonusSuche suche;
    suche.NachPosten = &TBonusEditBasis::Nachrichten;
    const auto treffer = suche.Suchen(f);
    meldungen.insert(meldungen.end(), suche.Fehler().begin(), suche.Fehler().end());

    std::unordered_map<TIntPair, QString> namen;
    auto name = [&](const TIntPair& k) {
        auto it = namen.find(k);
        if (it == namen.end()) it = namen.emplace(k, KundenName(k)).first;
        return it->second;
    };
    for (const TBonusTreffer& t : treffer) {
        TIdent id;
        id.RNr = t.Ref.RNr;
        id.LNr = t.Ref.LNr;
        id.SNr = t.Ref.SNr;
        id.Datum = t.Datum;
        (IstRabattschein(t.ProgrammId) ? id.Rabatt : id.Bonus) = t.Wert;
        const int pos = opListe_.Add(t.Kunde, id);
        if (!FZusammen)
            ZeileAnhaengen({name(t.Kunde), kis::ui::ToQDate(id.Datum), double(id.Bonus), double(id.Gutschein),
                            double(id.Rabatt)},
                           QString::fromStdString(TBonusKundenListe::ZeilenSchluessel(t.Kunde, pos)));
    }
    if (!FZusammen) return;
    for (const TKundeBonusInfo* k : opListe_.Kunden()) {
        const QVariant datum =
            k->BonusListe.size() == 1 ? QVariant(kis::ui::ToQDate(k->BonusListe.front().Datum)) : QVariant();
        ZeileAnhaengen({name(k->Kunde), datum, double(k->Bonus), double(k->Gutschein), double(k->Rabatt)},
                       QString::fromStdString(TBonusKundenListe::ZeilenSchluessel(k->Kunde, -1)));
    }
}

bool Tbonusalsverw::BuchenBestaetigt() {
    int frage = 0;
    switch (FEditAction) {
        case TBonusEditAction::baAlsVerw: frage = 1005; break;
        case TBonusEditAction::baStorno: frage = 1007; break;
        default: RaiseTypD("BuchenSicherheitsabfrage");
    }
    return ORVInfo().ShowMeldung(kis::services::kMeldungJaNein, frage, "MEROVA") == kis::services::kAntwortJa;
}

void Tbonusalsverw::Buchen(const std::vector<int>& zeilen, std::vector<std::string>& meldungen) {
    TORVStdProgressDialog fortschritt(this);
    fortschritt.SetCaption(QStringLiteral("Boni werden bearbeitet..."));
    fortschritt.SetAbortVisible(false);
    fortschritt.resize(300, 200);
    fortschritt.Show();
    for (int row : zeilen) {
        // A summed row stands for all bonuses of its customer.
        const auto boni = opListe_.BoniZuSchluessel(ZeilenSchluessel(row).toStdString());
        if (boni.empty()) continue;
        for (const auto& r : Buche_BoniAktion(boni))
            if (!r.Ok()) meldungen.push_back(r.Meldung);
        Nachrichten();
    }
    fortschritt.Close();
}

std::vector<TBonusAktionErgebnis> Tbonusalsverw::Buche_BoniLoeschen(const std::vector<TIdent>& boni) {
    return ::Buche_BoniLoeschen(boni);
}

std::vector<TBonusAktionErgebnis> Tbonusalsverw::Buche_BoniStornieren(const std::vector<TIdent>& boni) {
    return ::Buche_BoniStornieren(boni);
}

std::vector<TBonusAktionErgebnis> Tbonusalsverw::Buche_BoniAktion(const std::vector<TIdent>& boni) {
    switch (FEditAction) {
        case TBonusEditAction::baAlsVerw: return Buche_BoniLoeschen(boni);
        case TBonusEditAction::baStorno: return Buche_BoniStornieren(boni);
    }
    RaiseTypD("Buche_BoniAktion");
}

void Tbonusalsverw::btnVollbildClick() {
    const bool vollbild = pnlKopf->isVisible();
    pnlKopf->setVisible(!vollbild);
    pnlKopf->setEnabled(!vollbild);
    grdBoni->setFocus();
}

void Tbonusalsverw::RaiseTypD(const char* schritt) const {
    ORVInfo().FehlerRaise(std::string("Tbonusalsverw.") + schritt, "STANDARD", 992,
                          {std::string("Fehler Typ D bei ") + schritt + ":", "Aktion nicht definiert"});
}
