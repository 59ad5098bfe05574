#pragma once
// "Boni in Gutscheine umwandeln": finds bonuses, works out the voucher amount per bonus or,
// with "Mehrere Boni eines Kunden zusammenfassen", per customer (the rule then works on the
// customer's sum), and converts each marked row into one voucher in one booking.
// Form store mask "GUTSGEN" keeps type, name, amount choice and rule.
//
// Row keys: the customer key "%.4d%.9d" followed by "SUMM" (a customer's row) or the bonus's
// position in the customer's list "%.4d". The booking takes a row's bonuses from the window's
// own row table, never by reading the key back, so long customer numbers cannot mislead it.
#include <QHash>
#include <QString>
#include <map>
#include <vector>

#include "bonus/bonus_edit_basis.h"
#include "platform/bonus/bonus_gutschein.h"

class QCheckBox;
class QRadioButton;
class QPushButton;

class TBonus2Gutsch : public TBonusEditBasis {
    Q_OBJECT

public:
    struct TIdent {
        int32_t RNr = 0, LNr = 0, SNr = 0;
        TDateTime Datum = 0;
        long double Bonus = 0;
        long double Gutschein = 0;  // the voucher amount of this bonus alone
    };
    struct TKundeBonusInfo {
        TIntPair Kunde;
        long double Bonus = 0;      // sum of the bonus values
        long double Gutschein = 0;  // voucher amount of the bonuses together
        std::vector<TIdent> BonusListe;
    };

    explicit TBonus2Gutsch(QWidget* parent = nullptr);

    QCheckBox* chbKundeZusammenfassen = nullptr;
    QCheckBox* chbBonusOffen = nullptr;
    QCheckBox* chbBonusAbgeschlossen = nullptr;
    QRadioButton* rbtBetragAusBonusExakt = nullptr;
    QRadioButton* rbtBetragAusBonusBerechnet = nullptr;
    QComboBox* cmbBerechnungsvorschrift = nullptr;
    QPushButton* btnVollbild = nullptr;

    bool FZusammen = false;
    const std::map<TIntPair, TKundeBonusInfo>& OPListe() const { return FOPListe; }

    void rbtBetragAusBonusClick(bool berechnet);
    void btnVollbildClick();
    bool IstVollbild() const;
    // The voucher amount of a value under the current choice; 0 when the rule fails.
    long double Berechne_Gutschein(long double wert);

protected:
    void Suchen(std::vector<std::string>& meldungen) override;
    void NachSuche() override;
    void Buchen(const std::vector<int>& zeilen, std::vector<std::string>& meldungen) override;
    void showEvent(QShowEvent* event) override;

private:
    struct TZeile {
        TIntPair Kunde;
        int Position = -1;  // -1: the customer's whole list
    };
    void RegelnFuellen();
    void Zeile(const TKundeBonusInfo& info, int position);

    std::map<TIntPair, TKundeBonusInfo> FOPListe;
    std::vector<TIntPair> reihenfolge_;  // customers in the order found
    std::vector<TZeile> zeilen_;
    QHash<QString, QString> namen_;  // customer names of this search
    bool rbtSperre_ = false;
};
