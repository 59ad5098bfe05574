#pragma once
// "Boni als verwendet kennzeichnen" / "Boni stornieren": one window with two actions. Created
// once at program start and kept; the overview books single bonuses through it.
#include <QDialog>
#include <vector>

#include "platform/bonus/bonus_verwendung.h"

enum class TBonusEditAction { baAlsVerw, baStorno };

class Tbonusalsverw : public QDialog {
    Q_OBJECT

public:
    explicit Tbonusalsverw(QWidget* parent = nullptr);
    ~Tbonusalsverw() override;

    // The window created at program start (nullptr before and after).
    static Tbonusalsverw* Instanz();

    TBonusEditAction FEditAction = TBonusEditAction::baAlsVerw;

    // Mark the listed bonuses as used / cancel them; one result per bonus (see
    // bonus_verwendung.h).
    std::vector<TBonusAktionErgebnis> Buche_BoniLoeschen(const std::vector<TIdent>& boni);
    std::vector<TBonusAktionErgebnis> Buche_BoniStornieren(const std::vector<TIdent>& boni);
};
