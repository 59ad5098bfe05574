#include "bonus/umzr_seite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "bonus/konto_combo.h"
#include "bonus/programm_selektion.h"
#include "bonus/radio_gruppe.h"
#include "bonus/umzr_listen.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/bonus/umzr_params.h"
#include "platform/tables/bonus_typen.h"
#include "platform/ui/mask_edit.h"

TUmzrSeite::TUmzrSeite(TBonusRechner& rechner, TDM* dm, QWidget* parent)
    : TProgrammSeite(QStringLiteral("UMZR"), 5, rechner, dm, parent) {
    pgcUMZR = new QTabWidget(this);
    pgcUMZR->setObjectName(QStringLiteral("pgcUMZR"));
    auto* tsh = new QWidget(pgcUMZR);
    auto* l = new QVBoxLayout(tsh);
    UMZRrgpStorno = new TRadioGruppe(QStringLiteral("UMZRrgpStorno"), QStringLiteral(" Behandlung von Stornierungen "),
                                     {QStringLiteral("überlesen"), QStringLiteral("mit negativem Wert bonifizieren")}, 2,
                                     tsh, {1, 2});
    UMZRrgpBerechnung = new TRadioGruppe(QStringLiteral("UMZRrgpBerechnung"), QStringLiteral("Berechnung"),
                                         {QStringLiteral("Bonus errechnet sich aus dem Wert der Verkaufsposition"),
                                          QStringLiteral("Bonus errechnet sich aus dem Wert des Bons")},
                                         1, tsh, {1, 2});
    l->addWidget(UMZRrgpStorno);
    l->addWidget(UMZRrgpBerechnung);
    auto* g = new QGridLayout;
    auto feld = [&](int row, const QString& text, QWidget* w) {
        auto* lbl = new QLabel(text, tsh);
        lbl->setBuddy(w);
        g->addWidget(lbl, row, 0);
        g->addWidget(w, row, 1);
    };
    UMZRcmbBerechnungsvorschrift = new QComboBox(tsh);
    UMZRcmbBerechnungsvorschrift->setObjectName(QStringLiteral("UMZRcmbBerechnungsvorschrift"));
    feld(0, QStringLiteral("Berechnungsvorschrift:"), UMZRcmbBerechnungsvorschrift);
    UMZRcmbKonto = new QComboBox(tsh);
    UMZRcmbKonto->setObjectName(QStringLiteral("UMZRcmbKonto"));
    feld(1, QStringLiteral("Konto:"), UMZRcmbKonto);
    UMZRedtZeitraum = new TORVIntegerEdit(3, 999, 3, tsh);
    UMZRedtZeitraum->setObjectName(QStringLiteral("UMZRedtZeitraum"));
    feld(2, QStringLiteral("Zeitraum:"), UMZRedtZeitraum);
    UMZRcmbZeitraum = new QComboBox(tsh);
    UMZRcmbZeitraum->setObjectName(QStringLiteral("UMZRcmbZeitraum"));
    for (int code = kUMZRTage; code <= kUMZRMonate; ++code)
        UMZRcmbZeitraum->addItem(QString::fromStdString(CQEL_UMZR_ZR_Dauer_Typ_2_String(code)), code);
    g->addWidget(UMZRcmbZeitraum, 2, 2);
    UMZRedtUmsatzgrenze = new TORVFloatEdit(9, 2, 999999, tsh);
    UMZRedtUmsatzgrenze->setObjectName(QStringLiteral("UMZRedtUmsatzgrenze"));
    feld(3, QStringLiteral("Umsatzgrenze:"), UMZRedtUmsatzgrenze);
    g->setColumnStretch(1, 1);
    l->addLayout(g);
    UMZRchbGutschein = new QCheckBox(QStringLiteral("Gutscheine werden bei Ausgabe bonifiziert. (Kein Bonus bei Annahme!)"), tsh);
    UMZRchbGutschein->setObjectName(QStringLiteral("UMZRchbGutschein"));
    l->addWidget(UMZRchbGutschein);
    l->addStretch(1);

    auto* extra = new QWidget(pgcUMZR);
    auto* el = new QVBoxLayout(extra);
    auto* lblExtra = new QLabel(QStringLiteral(
        "Sofern Kunden mit einem sehr hohen Umsatz einen extra Bonus erhalten sollen, können Sie hier weitere "
        "Umsatzgrenzen und Beträge einstellen. Wenn der Kunde innerhalb des Zeitraums (siehe Einträge der "
        "Umsatzzeitraumprämie)  eine der hier angegebenen Umsatzgrenzen überschreitet, wird der Bonus entsprechenden "
        "erhöht. Es wird immer nur der Zusatzbonus der höchsten erreichten Grenze ausgeschüttet."), extra);
    lblExtra->setObjectName(QStringLiteral("lblExtraDescription"));
    lblExtra->setWordWrap(true);
    el->addWidget(lblExtra);
    UMZRvrStaffel = new TUmzrListe(TUmzrListe::Art::ExtraBonus, QStringLiteral("UMZRvrStaffel"), extra);
    el->addWidget(UMZRvrStaffel, 1);
    auto* lblAktion = new QLabel(QStringLiteral(
        "Normalerweise wird der Verkauf eines Artikels mit dem Ist-VK bonifiziert. Ist hier für einen Artikel ein "
        "Wert festgelegt (z.B. 50 Euro), wird immer dieser Wert für den Artikel bonifiziert, auch wenn der Artikel "
        "verschenkt wird."), extra);
    lblAktion->setObjectName(QStringLiteral("lblBonusAktion"));
    lblAktion->setWordWrap(true);
    el->addWidget(lblAktion);
    UMZRvrArtikelSonderbonus =
        new TUmzrListe(TUmzrListe::Art::Artikel, QStringLiteral("UMZRvrArtikelSonderbonus"), extra);
    el->addWidget(UMZRvrArtikelSonderbonus, 1);

    pgcUMZR->addTab(tsh, QStringLiteral("Einträge der Umsatzzeitraumprämie"));
    pgcUMZR->addTab(extra, QStringLiteral("Extra Bonus"));
    pgcUMZR->addTab(Selektion->tshKunde, Selektion->tshKunde->windowTitle());
    pgcUMZR->addTab(Selektion->tshVerkauf, Selektion->tshVerkauf->windowTitle());
    pgcUMZR->addTab(Selektion->tshGesamtdaten, Selektion->tshGesamtdaten->windowTitle());
    Inhalt()->addWidget(pgcUMZR, 1);
    KnoepfeBauen();
}

void TUmzrSeite::ListenFuellen() {
    RegelnFuellen(UMZRcmbBerechnungsvorschrift);
    KontenFuellen(dm_, UMZRcmbKonto);
}

void TUmzrSeite::UMZR_ElementeFuellen(const TQEL_UMZR_Params& p) {
    UMZRedtZeitraum->SetText(QString::number(p.Zeitraum));
    UMZRcmbZeitraum->setCurrentIndex(UMZRcmbZeitraum->findData(p.Einheit));
    UMZRedtUmsatzgrenze->SetText(QString::fromStdString(HundertstelZuText(p.UmsatzgrenzeCent)));
    UMZRchbGutschein->setChecked(p.GutscheinBeiAusgabe);
    TextWaehlen(UMZRcmbBerechnungsvorschrift, QString::fromStdString(p.Regel));
    UMZRvrStaffel->ExtraBonusSetzen(p.ExtraBonus);
    UMZRvrArtikelSonderbonus->PGBSetzen(p.Artikel);
    UMZRrgpBerechnung->SetCode(p.Berechnung);
    UMZRrgpStorno->SetCode(p.Storno);
}

TQEL_UMZR_Params TUmzrSeite::UMZR_Params() const {
    TQEL_UMZR_Params p;
    p.Zeitraum = int(UMZRedtZeitraum->GetAsInteger(0));
    p.Einheit = UMZRcmbZeitraum->currentIndex() >= 0 ? UMZRcmbZeitraum->currentData().toInt() : kUMZRTage;
    int64_t grenze = 0;
    DezimalZuHundertstel(UMZRedtUmsatzgrenze->Text().toStdString(), grenze);
    p.UmsatzgrenzeCent = grenze;
    p.GutscheinBeiAusgabe = UMZRchbGutschein->isChecked();
    p.Regel = UMZRcmbBerechnungsvorschrift->currentText().toStdString();
    p.Berechnung = UMZRrgpBerechnung->Code() > 0 ? UMZRrgpBerechnung->Code() : 1;
    p.Storno = UMZRrgpStorno->Code() > 0 ? UMZRrgpStorno->Code() : 1;
    p.ExtraBonus = UMZRvrStaffel->ExtraBonusLesen();
    p.Artikel = UMZRvrArtikelSonderbonus->PGBAuslesen();
    return p;
}

void TUmzrSeite::FelderLeer() {
    UMZRedtZeitraum->Clear();
    UMZRcmbZeitraum->setCurrentIndex(0);
    UMZRedtUmsatzgrenze->Clear();
    UMZRchbGutschein->setChecked(false);
    UMZRcmbBerechnungsvorschrift->setCurrentIndex(-1);
    UMZRcmbKonto->setCurrentIndex(-1);
    UMZRvrStaffel->Leeren();
    UMZRvrArtikelSonderbonus->Leeren();
    UMZRrgpBerechnung->SetItemIndex(0);
    UMZRrgpStorno->SetItemIndex(0);
}

void TUmzrSeite::DatenGet(const TBetaSatz& satz) {
    KontoWaehlen(dm_, UMZRcmbKonto, satz.Konto);
    TQEL_UMZR_Params p;
    try {
        p.FillFromStrL(satz.Inhalt);
    } catch (const std::exception& e) {
        Registrieren("dtaBereichMyDatenGet", e);
        return;  // a damaged content shows empty fields
    }
    UMZR_ElementeFuellen(p);
}

void TUmzrSeite::DatenPut(TBetaSatz& satz) {
    // Reading the grids first: a grid that cannot be read stops the save.
    const TQEL_UMZR_Params p = UMZR_Params();
    satz.Laenge = 0;
    satz.WertArt.clear();
    satz.RundungKz = 0;
    satz.RundungIntervall = 0;
    satz.Basis = p.Berechnung == 1 ? "0" : "1";
    satz.Storno = p.Storno == 1 ? "0" : "1";
    satz.Konto = KontoKuerzel(dm_, UMZRcmbKonto);
    satz.Inhalt = p.AssignToStrL();
}

QString TUmzrSeite::Pruefen() const {
    if (UMZRedtZeitraum->GetAsInteger(0) < 1) return QStringLiteral("Bitte geben Sie einen Zeitraum von mindestens 1 ein.");
    const QString regel = UMZRcmbBerechnungsvorschrift->currentText();
    if (regel.isEmpty() || !TBetaStore::Lesen(CBonuTypen2Kuerzel(1), regel.toStdString()))
        return QStringLiteral("Bitte wählen Sie eine Berechnungsvorschrift.");
    try {
        UMZRvrStaffel->ExtraBonusLesen();
        UMZRvrArtikelSonderbonus->PGBAuslesen();
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

void TUmzrSeite::ZustandsWechsel() {
    const bool edit = Bearbeitet();
    for (QWidget* w : std::initializer_list<QWidget*>{UMZRrgpStorno, UMZRrgpBerechnung, UMZRcmbBerechnungsvorschrift,
                                                       UMZRcmbKonto, UMZRedtZeitraum, UMZRcmbZeitraum,
                                                       UMZRedtUmsatzgrenze, UMZRchbGutschein})
        w->setEnabled(edit);
    UMZRvrStaffel->SetBearbeitbar(edit);
    UMZRvrArtikelSonderbonus->SetBearbeitbar(edit);
}
