#include "bonus/bonus_als_verw.h"

namespace {
Tbonusalsverw* gInstanz = nullptr;
}

Tbonusalsverw::Tbonusalsverw(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("bonusalsverw"));
    setWindowTitle(QStringLiteral("Boni als verwendet kennzeichnen"));
    if (!gInstanz) gInstanz = this;
}

Tbonusalsverw::~Tbonusalsverw() {
    if (gInstanz == this) gInstanz = nullptr;
}

Tbonusalsverw* Tbonusalsverw::Instanz() { return gInstanz; }

std::vector<TBonusAktionErgebnis> Tbonusalsverw::Buche_BoniLoeschen(const std::vector<TIdent>& boni) {
    return ::Buche_BoniLoeschen(boni);
}

std::vector<TBonusAktionErgebnis> Tbonusalsverw::Buche_BoniStornieren(const std::vector<TIdent>& boni) {
    return ::Buche_BoniStornieren(boni);
}
