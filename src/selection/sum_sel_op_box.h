#pragma once
// Criteria on a customer's open items: types that must be present, their date range and
// sum, and the customer's bonus entries.
#include "platform/ui/sel_box.h"

class TORVCheckListBox;

class TSumSelOPBox : public TSelBox {
    Q_OBJECT

public:
    explicit TSumSelOPBox(QWidget* parent = nullptr);
    void Init() override;
    void spbAlleEinClick();
    void spbAlleUmsClick();

private:
    TORVCheckListBox* chbOPTypen;
};

// Placeholder of completed transactions: no criteria; the selection form keeps it hidden.
class TSumSelEVBox : public TSelBox {
    Q_OBJECT

public:
    explicit TSumSelEVBox(QWidget* parent = nullptr);
};
