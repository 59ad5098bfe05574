#pragma once
// Criteria on a customer's sales totals: quantity and value of the selected sales and,
// when "Gesamtumsatz des Kunden soll berechnet werden" is checked, of the whole turnover.
#include "platform/ui/sel_box.h"

class TSumSelVkBox : public TSelBox {
    Q_OBJECT

public:
    explicit TSumSelVkBox(QWidget* parent = nullptr);
    void chbBerechneGesamtClick() { AbhaengigeAktualisieren(); }

protected:
    void AbhaengigeAktualisieren() override;
};
