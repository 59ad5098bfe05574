#pragma once
// Pages "Bonusprogramm - Umsatzprämie" (prefix UMSA, kind 3) and "Bonusprogramm - Rabattschein"
// (prefix RABS, kind 4): one calculation rule applied to positions, receipts or the selected
// turnover, booked to an account or issued as a discount coupon of a chosen coupon type.
#include "bonus/programm_seite.h"

class QComboBox;
class QTabWidget;
class TRadioGruppe;

class TUmsaSeite : public TProgrammSeite {
    Q_OBJECT

public:
    // rabattschein: the discount-coupon page.
    TUmsaSeite(bool rabattschein, TBonusRechner& rechner, TDM* dm, QWidget* parent);

    QTabWidget* pgcInnen = nullptr;
    TRadioGruppe* rgpStorno = nullptr;
    TRadioGruppe* rgpBerechnung = nullptr;
    QComboBox* cmbBerechnungsvorschrift = nullptr;
    // Account (turnover premium) or coupon type (discount coupon, item data = identifier).
    QComboBox* cmbZiel = nullptr;

    // Coupon types: user-defined payment means of class 2, variant 1 or 2.
    void ComboFuellen_RabattscheinTypen();

protected:
    void DatenGet(const TBetaSatz& satz) override;
    void FelderLeer() override;
    void DatenPut(TBetaSatz& satz) override;
    QString Pruefen() const override;
    void ZustandsWechsel() override;
    void ListenFuellen() override;

private:
    bool rabattschein_;
};
