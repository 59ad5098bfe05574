#pragma once
// Page "Bonusprogramm - Umsatzzeitraumprämie": period length and unit, turnover threshold,
// calculation rule per position or receipt, cancellation handling, vouchers bonified at issue,
// the account, the extra-bonus scale and the per-article values; all held as one parameter
// record in the programme's content.
#include "bonus/programm_seite.h"

class QCheckBox;
class QComboBox;
class QTabWidget;
class TORVFloatEdit;
class TORVIntegerEdit;
class TRadioGruppe;
class TUmzrListe;
struct TQEL_UMZR_Params;

class TUmzrSeite : public TProgrammSeite {
    Q_OBJECT

public:
    TUmzrSeite(TBonusRechner& rechner, TDM* dm, QWidget* parent);

    QTabWidget* pgcUMZR = nullptr;
    TRadioGruppe* UMZRrgpStorno = nullptr;
    TRadioGruppe* UMZRrgpBerechnung = nullptr;
    QComboBox* UMZRcmbBerechnungsvorschrift = nullptr;
    QComboBox* UMZRcmbKonto = nullptr;
    TORVIntegerEdit* UMZRedtZeitraum = nullptr;
    QComboBox* UMZRcmbZeitraum = nullptr;
    TORVFloatEdit* UMZRedtUmsatzgrenze = nullptr;
    QCheckBox* UMZRchbGutschein = nullptr;
    TUmzrListe* UMZRvrStaffel = nullptr;
    TUmzrListe* UMZRvrArtikelSonderbonus = nullptr;

    void UMZR_ElementeFuellen(const TQEL_UMZR_Params& p);
    // The page as a parameter record; throws when a grid cannot be read.
    TQEL_UMZR_Params UMZR_Params() const;

protected:
    void DatenGet(const TBetaSatz& satz) override;
    void FelderLeer() override;
    void DatenPut(TBetaSatz& satz) override;
    QString Pruefen() const override;
    void ZustandsWechsel() override;
    void ListenFuellen() override;
};
