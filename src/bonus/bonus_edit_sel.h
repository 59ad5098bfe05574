#pragma once
// "Boni abschließen": finds the open bonuses of one bonus programme and closes the marked
// ones, each in a booking of its own. The search looks for the chosen type's own programme
// id and the chosen name (no name chosen: only bonuses with an empty programme name).
// Form store mask "BONUSABS" keeps the type and name.
#include <vector>

#include "bonus/bonus_edit_basis.h"

class TBonusEditSel : public TBonusEditBasis {
    Q_OBJECT

public:
    explicit TBonusEditSel(QWidget* parent = nullptr);

    // The bonus each grid row owns, by row.
    const std::vector<TBonusTreffer>& Boni() const { return boni_; }

protected:
    void Suchen(std::vector<std::string>& meldungen) override;
    void NachSuche() override { btnMarkierenAlleClick(); }
    void Buchen(const std::vector<int>& zeilen, std::vector<std::string>& meldungen) override;

private:
    std::vector<TBonusTreffer> boni_;
};
