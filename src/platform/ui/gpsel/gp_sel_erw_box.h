#pragma once
// Extended customer criteria: customer status, yes/no pairs (advertising, serial letters,
// e-mail), customers who never had a bonus, anonymous customers, telephone and e-mail text,
// and a range (customer number or a named field).
#include <array>
#include <vector>

#include "platform/ui/sel_box.h"

class QComboBox;

class TGPSelErwBox : public TSelBox {
    Q_OBJECT

public:
    explicit TGPSelErwBox(QWidget* parent = nullptr);

    // Status of a status combo: 0 no restriction, 1 active, 2 passive.
    Q_INVOKABLE int StatusAusCombo(QComboBox* combo) const;
    Q_INVOKABLE void StatusNachCombo(QComboBox* combo, int status);

    // The status table of the presets: combo name, option names of "active" and "passive".
    static std::vector<std::array<const char*, 3>> StatusTabelle();

protected:
    void AbhaengigeAktualisieren() override;
};
