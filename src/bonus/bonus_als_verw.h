#pragma once
// "Boni als verwendet kennzeichnen" / "Boni stornieren": one window with two actions, chosen by
// FEditAction before it is shown. It finds open and closed bonuses (optionally only manual
// grants, or by the validity end of manual grants), lists them one per row or summed per
// customer, and marks the marked ones as used or cancels them, each bonus in a booking of its
// own (see bonus_verwendung.h). Created once at program start and kept; the overview books
// single bonuses through it. Form store mask "BONALSVW".
#include <vector>

#include "bonus/bonus_edit_basis.h"
#include "platform/bonus/bonus_kunden_liste.h"
#include "platform/bonus/bonus_verwendung.h"

class QCheckBox;
class QPushButton;
class TKundenInfo;

enum class TBonusEditAction { baAlsVerw, baStorno };

class Tbonusalsverw : public TBonusEditBasis {
    Q_OBJECT

public:
    explicit Tbonusalsverw(QWidget* parent = nullptr);
    ~Tbonusalsverw() override;

    // The window created at program start (nullptr before and after).
    static Tbonusalsverw* Instanz();
    // Wires the main menu's entries "... Als verwendet kennzeichnen" and "... Stornieren".
    void MenueVerbinden(TKundenInfo& menu);
    // Sets the action and shows the window modally.
    int Zeigen(TBonusEditAction action);

    TBonusEditAction FEditAction = TBonusEditAction::baAlsVerw;
    // "Mehrere Boni eines Kunden zusammenfassen" at the last search.
    bool FZusammen = false;
    // The bonuses of the last search per customer.
    const TBonusKundenListe& FOPListe() const { return opListe_; }

    TORVDateEdit* edtGueltigVon = nullptr;
    TORVDateEdit* edtGueltigBis = nullptr;
    QCheckBox* chbKundeZusammenfassen = nullptr;
    QCheckBox* chbBonusOffen = nullptr;
    QCheckBox* chbBonusAbgeschlossen = nullptr;
    QCheckBox* chbNurManuell = nullptr;
    QPushButton* btnVollbild = nullptr;

    // Mark the listed bonuses as used / cancel them; one result per bonus.
    std::vector<TBonusAktionErgebnis> Buche_BoniLoeschen(const std::vector<TIdent>& boni);
    std::vector<TBonusAktionErgebnis> Buche_BoniStornieren(const std::vector<TIdent>& boni);
    // The one of the two that FEditAction names.
    std::vector<TBonusAktionErgebnis> Buche_BoniAktion(const std::vector<TIdent>& boni);

    // "Vollbild ein / aus": the grid over the whole window, the filter header out of use.
    void btnVollbildClick();

protected:
    void showEvent(QShowEvent* event) override;
    void Suchen(std::vector<std::string>& meldungen) override;
    bool BuchenBestaetigt() override;
    void Buchen(const std::vector<int>& zeilen, std::vector<std::string>& meldungen) override;

private:
    // Raises the "Aktion nicht definiert" error of a step.
    [[noreturn]] void RaiseTypD(const char* schritt) const;

    TBonusKundenListe opListe_;
};
