#pragma once
// "Merkmal setzen": which customer attribute receives which value, for one customer (the
// customer line is shown and can be changed by the search, F2) or for all customers of the
// list (the line is hidden). The dialog only collects the choice; the caller books it.
// The last attribute and value are kept in the form store ("MEROVA", "SETMERKM") and come
// back with the next opening.
//
// Created once at program start and kept. The caller sets FKundenAuswahl (and FKunde for one
// customer) before each show; after Accepted FGBNr and FWert hold the choice. Without any
// attribute to offer the dialog closes at once with Rejected.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "platform/base/keys.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TORVStdButton;

class Tfrmsetmerkmal : public QDialog {
    Q_OBJECT

public:
    explicit Tfrmsetmerkmal(QWidget* parent = nullptr);
    ~Tfrmsetmerkmal() override;

    // The dialog created at program start; none before or after.
    static Tfrmsetmerkmal* Instanz();

    int32_t FGBNr = 0;
    TIntPair FKunde;
    QString FWert;
    bool FKundenAuswahl = true;

    QLabel* lblKunde;
    QLineEdit* edtKunde;
    QPushButton* btnGepSel;
    QLabel* lblMerkmal;
    QComboBox* cmbMerkmale;
    QLabel* lblWert;
    QLineEdit* edtWert;
    QLabel* lblItemIndex;
    TORVStdButton* btnBuchen;
    TORVStdButton* btnAbbrechen;

    // The customer search (button or F2): the chosen customer, or none when cancelled. By
    // default the customer entry dialog's search page; tests replace it.
    std::function<std::optional<TIntPair>()> KundeSuchen;

    void btnGepSelClick();
    void cmbMerkmaleExit();
    void btnBuchenClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    // Fills the combo with the attribute names (item data: the attribute number), in German
    // order; false when there is none.
    bool MerkmaleFuellen();
    QString KundenName(const TIntPair& kunde) const;
};
