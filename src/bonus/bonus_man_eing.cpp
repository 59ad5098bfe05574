#include "bonus/bonus_man_eing.h"

Tfrmbonusmaneing::Tfrmbonusmaneing(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmbonusmaneing"));
    setWindowTitle(QStringLiteral("Bonus manuell vergeben"));
}
