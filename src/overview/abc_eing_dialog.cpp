#include "overview/abc_eing_dialog.h"

TfrmABCEing::TfrmABCEing(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmABCEing"));
    setWindowTitle(QStringLiteral("ABC-Klassifizierung"));
}
