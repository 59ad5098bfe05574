#pragma once
// Article and position criteria: article number, variants, supplier, season, sales code,
// actual price, discount, reduced or not, bonus settlement.
#include <functional>
#include <optional>

#include "platform/ui/sel_box.h"

class TVkSelPosBox : public TSelBox {
    Q_OBJECT

public:
    explicit TVkSelPosBox(QWidget* parent = nullptr);

    // Supplier search (F2 on the supplier edit, the button beside it): the chosen supplier
    // number, nullopt on cancel. Without a hook the box lists the suppliers to pick from.
    std::function<std::optional<int>()> OnLieferantSuche;
    void spbLieferantClick();
    void spbSaisonClick();
    // The reduced-sales rule, also run after Clear, loads and presets.
    void chbReduzVkClick() { AbhaengigeAktualisieren(); }

protected:
    void AbhaengigeAktualisieren() override;
};
