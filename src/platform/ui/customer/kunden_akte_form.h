#pragma once
// The customer file window: the short information on one customer. Master data, turnover of
// this and of last year, the open items per open-item table and the bonuses with their state.
#include <QDialog>

#include "platform/base/keys.h"

class QLabel;
class QTableWidget;
class TORVDataGrid;
class TORVDataModel;

class TQEL_KubeAktenForm : public QDialog {
    Q_OBJECT

public:
    explicit TQEL_KubeAktenForm(QWidget* parent = nullptr);

    // Whether the window may open the customer entry dialog (kept; this window only shows).
    bool KundEingDlgAllowed = true;

    void SetGepNR(const TIntPair& kunde) { gepNr_ = kunde; }
    TIntPair GepNR() const { return gepNr_; }

    // Reads the customer's data into the controls; false (and a note in the window) when the
    // customer does not exist.
    bool Laden();
    // Loads and shows the window modally.
    void Execute();

private:
    TIntPair gepNr_;
    QLabel* lblStamm_;
    QLabel* lblUmsatz_;
    QTableWidget* grdOP_;
    TORVDataGrid* grdBoni_;
    TORVDataModel* boni_;
};
