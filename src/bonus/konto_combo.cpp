#include "bonus/konto_combo.h"

#include <QComboBox>

#include "app/dm.h"

void KontenFuellen(TDM* dm, QComboBox* combo) {
    if (dm) dm->Fuelle_Konten(combo);
    combo->setCurrentIndex(-1);
}

void KontoWaehlen(TDM* dm, QComboBox* combo, const std::string& kuerzel) {
    combo->setCurrentIndex(dm && !kuerzel.empty() ? dm->GetKontenIndex(combo, QString::fromStdString(kuerzel)) : -1);
}

std::string KontoKuerzel(TDM* dm, const QComboBox* combo) {
    return dm ? dm->GetKontenKuerzel(combo, combo->currentIndex()).toStdString() : std::string();
}
