#pragma once
// The bonus administration windows of the main menu: the programme editor ("Bonusprogramme
// verwalten"), the usage settings, and for the bonus generation the programme picker and the
// programme's stored selection. Each window is created on first use and kept until the end.
#include <QStringList>
#include <memory>

class TBonus2Gutsch;
class TBonusEditSel;
class TBonusOptionenFm;
class TBonusProgrammeFrm;
class TBonusProgrammSelFrm;
class TDM;
class TKundenInfo;

class TBonusFenster {
public:
    // Plugs the windows into the main menu's entries and seams.
    TBonusFenster(TKundenInfo& menu, TDM& dm);
    ~TBonusFenster();

    TBonusProgrammeFrm& Programme();
    TBonusProgrammSelFrm& Auswahl();
    TBonusOptionenFm& Optionen();
    // Bonus processing: closing bonuses, converting them into vouchers.
    TBonusEditSel& Abschliessen();
    TBonus2Gutsch& Umwandeln();

    // The stored selection lines of a programme by kind name (or type key) and name.
    static QStringList ProgrammSelektion(const QString& bonusTyp, const QString& programmName);

private:
    TDM& dm_;
    std::unique_ptr<TBonusProgrammeFrm> programme_;
    std::unique_ptr<TBonusProgrammSelFrm> auswahl_;
    std::unique_ptr<TBonusOptionenFm> optionen_;
    std::unique_ptr<TBonusEditSel> abschliessen_;
    std::unique_ptr<TBonus2Gutsch> umwandeln_;
};
