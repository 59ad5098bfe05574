#include "bonus/umsa_seite.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "bonus/konto_combo.h"
#include "bonus/programm_selektion.h"
#include "bonus/radio_gruppe.h"
#include "platform/bonus/coupon_typen.h"
#include "platform/tables/bonus_typen.h"

TUmsaSeite::TUmsaSeite(bool rabattschein, TBonusRechner& rechner, TDM* dm, QWidget* parent)
    : TProgrammSeite(rabattschein ? QStringLiteral("RABS") : QStringLiteral("UMSA"), rabattschein ? 4 : 3, rechner, dm,
                     parent),
      rabattschein_(rabattschein) {
    const QString p = Prefix();
    pgcInnen = new QTabWidget(this);
    pgcInnen->setObjectName(rabattschein ? QStringLiteral("pgcRabattschein") : QStringLiteral("pgcUmsatzpraemie"));
    auto* tsh = new QWidget(pgcInnen);
    auto* l = new QVBoxLayout(tsh);
    rgpStorno = new TRadioGruppe(p + QStringLiteral("rgpStorno"), QStringLiteral(" Behandlung von Stornierungen "),
                                 {QStringLiteral("überlesen"), QStringLiteral("mit negativem Wert bonifizieren")}, 2, tsh);
    QStringList basis;
    if (!rabattschein)
        basis << QStringLiteral("Bonus errechnet sich aus dem Wert der Verkaufsposition")
              << QStringLiteral("Bonus errechnet sich aus dem Wert des Bons");
    basis << QStringLiteral("Bonus errechnet sich aus dem selektierten Umsatz");
    rgpBerechnung = new TRadioGruppe(p + QStringLiteral("rgpBerechnung"), QString(), basis, 1, tsh);
    l->addWidget(rgpStorno);
    l->addWidget(rgpBerechnung);
    auto* g = new QGridLayout;
    auto* lblRegel = new QLabel(QStringLiteral("Berechnungsvorschrift"), tsh);
    cmbBerechnungsvorschrift = new QComboBox(tsh);
    cmbBerechnungsvorschrift->setObjectName(p + QStringLiteral("cmbBerechnungsvorschrift"));
    lblRegel->setBuddy(cmbBerechnungsvorschrift);
    auto* lblZiel = new QLabel(rabattschein ? QStringLiteral("Rabttscheintyp") : QStringLiteral("Konto"), tsh);
    cmbZiel = new QComboBox(tsh);
    cmbZiel->setObjectName(rabattschein ? QStringLiteral("cmbRabatscheinTypen") : QStringLiteral("UMSAcmbKonto"));
    lblZiel->setBuddy(cmbZiel);
    g->addWidget(lblRegel, 0, 0);
    g->addWidget(cmbBerechnungsvorschrift, 0, 1);
    g->addWidget(lblZiel, 1, 0);
    g->addWidget(cmbZiel, 1, 1);
    g->setColumnStretch(1, 1);
    l->addLayout(g);
    l->addStretch(1);
    pgcInnen->addTab(tsh, rabattschein ? QStringLiteral("Einträge des Rabattscheins") : QStringLiteral("Einträge der Umsatzprämie"));
    pgcInnen->addTab(Selektion->tshKunde, Selektion->tshKunde->windowTitle());
    pgcInnen->addTab(Selektion->tshVerkauf, Selektion->tshVerkauf->windowTitle());
    pgcInnen->addTab(Selektion->tshGesamtdaten, Selektion->tshGesamtdaten->windowTitle());
    Inhalt()->addWidget(pgcInnen, 1);
    KnoepfeBauen();
}

void TUmsaSeite::ComboFuellen_RabattscheinTypen() {
    cmbZiel->clear();
    for (const auto& t : TCouponTypen::Liste())
        cmbZiel->addItem(QString::fromStdString(t.Name), QString::fromStdString(t.Kennung));
    cmbZiel->setCurrentIndex(-1);
}

void TUmsaSeite::ListenFuellen() {
    RegelnFuellen(cmbBerechnungsvorschrift);
    if (rabattschein_) ComboFuellen_RabattscheinTypen();
    else KontenFuellen(dm_, cmbZiel);
}

void TUmsaSeite::FelderLeer() {
    rgpStorno->SetItemIndex(0);
    rgpBerechnung->SetItemIndex(0);
    cmbBerechnungsvorschrift->setCurrentIndex(-1);
    cmbZiel->setCurrentIndex(-1);
}

void TUmsaSeite::DatenGet(const TBetaSatz& satz) {
    bool ok = false;
    int basis = QString::fromStdString(satz.Basis).toInt(&ok);
    if (!ok || rabattschein_) basis = 0;
    rgpBerechnung->SetItemIndex(basis >= 0 && basis < rgpBerechnung->Count() ? basis : 0);
    int storno = QString::fromStdString(satz.Storno).toInt(&ok);
    if (!ok) storno = 1;
    // Stored without a cancellation handling: nothing selected, the user has to choose.
    rgpStorno->SetItemIndex(satz.Storno.empty() ? -1 : storno == 0 ? 0 : 1);
    if (rabattschein_) {
        // A coupon type that no longer exists shows nothing selected and asks for a choice.
        int i = -1;
        for (int k = 0; k < cmbZiel->count() && !satz.Konto.empty(); ++k)
            if (cmbZiel->itemData(k).toString().toStdString() == satz.Konto) {
                i = k;
                break;
            }
        cmbZiel->setCurrentIndex(i);
    } else {
        KontoWaehlen(dm_, cmbZiel, satz.Konto);
    }
    TextWaehlen(cmbBerechnungsvorschrift, satz.Inhalt.size() == 1 ? QString::fromStdString(satz.Inhalt[0]) : QString());
}

void TUmsaSeite::DatenPut(TBetaSatz& satz) {
    satz.Laenge = -1;
    satz.WertArt.clear();
    satz.RundungKz = 0;
    satz.RundungIntervall = 0;
    satz.Basis = rabattschein_ ? "2" : std::to_string(std::max(0, rgpBerechnung->ItemIndex()));
    satz.Storno = rgpStorno->ItemIndex() == 1 ? "1" : "0";
    if (rabattschein_)
        satz.Konto = cmbZiel->currentIndex() >= 0 ? cmbZiel->currentData().toString().toStdString() : std::string();
    else
        satz.Konto = KontoKuerzel(dm_, cmbZiel);
    satz.Inhalt = {cmbBerechnungsvorschrift->currentText().toStdString()};
}

QString TUmsaSeite::Pruefen() const {
    if (rgpStorno->ItemIndex() < 0) return QStringLiteral("Bitte wählen Sie die Behandlung von Stornierungen.");
    const QString regel = cmbBerechnungsvorschrift->currentText();
    if (regel.isEmpty() || !TBetaStore::Lesen(CBonuTypen2Kuerzel(1), regel.toStdString()))
        return QStringLiteral("Bitte wählen Sie eine Berechnungsvorschrift.");
    if (rabattschein_ && cmbZiel->currentIndex() < 0) return QStringLiteral("Bitte wählen Sie einen Rabattscheintyp.");
    return {};
}

void TUmsaSeite::ZustandsWechsel() {
    const bool edit = Bearbeitet();
    rgpStorno->setEnabled(edit);
    rgpBerechnung->setEnabled(edit);
    cmbBerechnungsvorschrift->setEnabled(edit);
    cmbZiel->setEnabled(edit);
}
