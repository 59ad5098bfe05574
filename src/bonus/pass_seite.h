#pragma once
// Page "Bonusprogramm - Prämienpass": entries from sales positions or receipts, cancellation
// handling, the number of entries and one calculation rule per entry with a live example,
// the account, and the selection tabs.
#include <vector>

#include "bonus/programm_seite.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QTabWidget;
class TORVIntegerEdit;
class TRadioGruppe;

struct TPASSZeile {
    QLabel* lblNr = nullptr;
    QLabel* lblWert = nullptr;
    QComboBox* cmbBerechn = nullptr;
    QLabel* lblZuord = nullptr;
    QLabel* lblBonus = nullptr;
};

class TPassSeite : public TProgrammSeite {
    Q_OBJECT

public:
    TPassSeite(TBonusRechner& rechner, TDM* dm, QWidget* parent);

    QTabWidget* pgcPRPass = nullptr;
    TRadioGruppe* PASSrgpPosBon = nullptr;
    TRadioGruppe* PASSrgpStorno = nullptr;
    TORVIntegerEdit* PASSedtLaenge = nullptr;
    QComboBox* PASScmbKonto = nullptr;
    std::vector<TPASSZeile> PASSTabelle;

    void PASS_ElementeAufbauen();
    void PASS_ElementeFuellen();

protected:
    void DatenGet(const TBetaSatz& satz) override;
    void FelderLeer() override;
    void DatenPut(TBetaSatz& satz) override;
    QString Pruefen() const override;
    void ZustandsWechsel() override;
    void ListenFuellen() override;

private:
    QGridLayout* raster_ = nullptr;
    std::vector<std::string> regeln_;
};
