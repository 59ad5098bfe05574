#pragma once
// Customer address criteria: name, first name, street, postcode range, city, country, the
// search-name mode and gender, each with its negation label.
#include "platform/ui/sel_box.h"

class TGPSelAdrBox : public TSelBox {
    Q_OBJECT

public:
    explicit TGPSelAdrBox(QWidget* parent = nullptr);
};
