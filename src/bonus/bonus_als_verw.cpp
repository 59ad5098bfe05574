#include "bonus/bonus_als_verw.h"

Tbonusalsverw::Tbonusalsverw(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("bonusalsverw"));
    setWindowTitle(QStringLiteral("Bonus bearbeiten"));
}
