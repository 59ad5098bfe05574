#pragma once
// Page "Berechnungsvorschriften ": a calculation rule with its scale rows (upper bound and
// bonus per band), value kind ('P' share of the value, 'A' absolute amount), rounding rule
// and rounding interval.
#include <vector>

#include "bonus/programm_seite.h"

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;
class TORVFloatEdit;
class TORVIntegerEdit;
class TORVMaskEdit;

struct TBETAZeile {
    QLabel* lblWertVon = nullptr;
    TORVFloatEdit* edtWertBis = nullptr;
    QLabel* lblWertWH = nullptr;
    QLabel* lblZuord = nullptr;
    TORVFloatEdit* edtBonus = nullptr;
    QLabel* lblBonus = nullptr;
    bool prozent = false;  // the bonus edit was built for a share
};

class TBetaSeite : public TProgrammSeite {
    Q_OBJECT

public:
    TBetaSeite(TBonusRechner& rechner, TDM* dm, QWidget* parent);
    ~TBetaSeite() override;

    TORVIntegerEdit* BETAedtLaenge = nullptr;
    QRadioButton* BETArgpAbs = nullptr;
    QRadioButton* BETARgpProz = nullptr;
    QGroupBox* BETArgpRunden = nullptr;
    QButtonGroup* grpRunden = nullptr;
    TORVFloatEdit* BETAedtRundungsDelta = nullptr;
    std::vector<TBETAZeile> BETATabelle;

    void BETA_ElementeAufbauen();
    void BETA_ElementeFuellen();
    int RundungKz() const;
    void SetRundungKz(int kz);

    // The content lines "upper=bonus" of the rows as shown.
    std::vector<std::string> InhaltZeilen() const;

protected:
    void DatenGet(const TBetaSatz& satz) override;
    void FelderLeer() override;
    void DatenPut(TBetaSatz& satz) override;
    QString Pruefen() const override;
    void ZustandsWechsel() override;
    QString LoeschenVerweigert(const QString& name) const override;

private:
    void BonusEditBauen(TBETAZeile& z, bool prozent, int row);
    void AbsClick();
    void ProzClick();
    void RundenClick();

    QGridLayout* raster_ = nullptr;
    QString waehrung_;
};
