#pragma once
// Receipt criteria: sale date, branches (with branch groups), receipt total and payment
// means. Branches come from the branch table an owner hands in, or from the box's own.
#include <functional>
#include <memory>
#include <optional>

#include "platform/ui/sel_box.h"

class TFilialTabelle;
class TORVCheckListBox;

class TVkSelBonBox : public TSelBox {
    Q_OBJECT

public:
    explicit TVkSelBonBox(QWidget* parent = nullptr);
    ~TVkSelBonBox() override;

    // A branch table of the owner (not owned); without one the box reads its own at Init.
    TFilialTabelle* FFilialTabelle = nullptr;

    void Init() override;

    // "Filialgruppen": the picker returns a group number or nullopt on cancel.
    std::function<std::optional<int>(const TFilialTabelle&)> OnFilialgruppeWahl;
    void btnFilialgruppenClick();
    void FilialgruppeAnwenden(int gruppe);
    void spbAlleEinClick();
    void spbAlleUmsClick();

private:
    TFilialTabelle& Tabelle();

    std::unique_ptr<TFilialTabelle> FFilialTabelleOwn;
    TORVCheckListBox* chbFilialen;
    TORVCheckListBox* chbZM;
};
