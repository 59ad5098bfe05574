#pragma once
// "Bonus manuell vergeben": collects and checks a bonus or a discount coupon granted by hand.
// The dialog books nothing itself; on OK the caller hands FManuellerBonus to the data
// module's BONUBucheManuell (once, or per listed customer with the customer set each time).
// A check that fails shows no message: the focus goes to the field to correct.
//
// Created once at program start and kept; the overview and the serial-letter selection reach
// that instance through Instanz().
#include <QDialog>
#include <functional>
#include <memory>

#include "platform/base/keys.h"
#include "platform/bonus/bonus_mani.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class TDM;
class TORVDateEdit;
class TORVFloatEdit;
class TORVStdButton;
class TRadioGruppe;
namespace kis::services {
class FormStore;
}

class Tfrmbonusmaneing : public QDialog {
    Q_OBJECT

public:
    // Without a data module the one of the program is used.
    explicit Tfrmbonusmaneing(QWidget* parent = nullptr, TDM* dm = nullptr);
    ~Tfrmbonusmaneing() override;

    // The instance created first and still alive; nullptr when there is none.
    static Tfrmbonusmaneing* Instanz();

    // The grant of the last successful "Buchen" (kept after the dialog closed).
    TQEL_ManuellerBonus FManuellerBonus;
    // The customer of a single grant (set by the caller or by the search).
    TIntPair FKunde;
    // Whether the customer row with its search is shown.
    bool FKundenAuswahl = true;

    // Components (named as their objectName).
    TRadioGruppe* rgrpBonusArt;
    QFrame* pnlKunde;
    QFrame* pnlBetrag;
    QFrame* pnlMindestverkaufswert;
    QFrame* pnlGuelitgBis;
    QFrame* pnlKonto;
    QFrame* pnlRabattscheinTyp;
    QFrame* pnlRSProzent;
    QLineEdit* edtKunde;
    QToolButton* btnGepSel;
    TORVFloatEdit* edtBetrag;
    TORVFloatEdit* edtMindestVerkaufsWert;
    TORVDateEdit* edtBisGueltigDatum;
    QToolButton* btnBisGueltigDatum;
    QComboBox* cmbKonto;
    QComboBox* cmbRabattscheinTyp;
    TORVFloatEdit* edtRSProzent;
    QLabel* lblWaehrungBetrag;
    QLabel* lblWaehrungMindestwert;
    TORVStdButton* btnBuchen;
    TORVStdButton* btnAbbrechen;

    // Which field a check refused.
    enum class TPruefung { Ok, Betrag, Mindestverkaufswert, GueltigBis, Prozent, RabattscheinTyp };
    // The checks of "Buchen" on a filled grant. datumUnlesbar: the validity field holds text
    // that is no date; typBekannt: the payment-means service knows the coupon type.
    static TPruefung Pruefen(const TQEL_ManuellerBonus& grant, bool datumUnlesbar, TDateTime heute,
                             bool typBekannt);
    TPruefung LetztePruefung() const { return FLetztePruefung; }

    // Layout by kind: 0 bonus, 1 discount coupon.
    void ArtSet(int art);
    void btnGepSelClick();
    void btnBisGueltigDatumClick();
    void btnBuchenClick();

    // The customer search; default: the data module's customer dialog in its find mode.
    // Answers true and the chosen customer.
    std::function<bool(TIntPair& kunde)> OnKundeSuchen;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FormShow();
    void CouponTypenFuellen();
    void Registrieren(const char* methode, const std::exception& e);

    TDM* dm_;
    std::unique_ptr<kis::services::FormStore> store_;
    TPruefung FLetztePruefung = TPruefung::Ok;
};
