#include "overview/set_merkmal.h"

Tfrmsetmerkmal::Tfrmsetmerkmal(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmsetmerkmal"));
    setWindowTitle(QStringLiteral("Merkmal setzen"));
}
