#include "overview/abc_resultat.h"

TfrmABCResultat::TfrmABCResultat(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmABCResultat"));
    setWindowTitle(QStringLiteral("ABC-Resultat"));
}
