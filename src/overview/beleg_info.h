#pragma once
// Document information window: the header of one sales document (kind, number, date,
// customer, sum), its positions and its payments, read from the document index, the sales
// list and the payment records of the current client company.
#include <QDialog>

#include "platform/base/keys.h"

class QLabel;
class TORVDataGrid;
class TORVDataModel;

class TBelegInfoFrm : public QDialog {
    Q_OBJECT

public:
    explicit TBelegInfoFrm(QWidget* parent = nullptr);

    // Loads the document of this kind and number pair (BELEGLNR, BELEGRNR); false when the
    // document index has no such document (the window then says so).
    bool Laden(const QString& belegArt, int32_t belegLnr, int32_t belegRnr);
    // Loads the document by its sales-list key (RNR, LNR).
    bool LadenNachSchluessel(int32_t rnr, int32_t lnr);

    QLabel* lblKopf;
    TORVDataGrid* grdPositionen;
    TORVDataModel* mdlPositionen;
    TORVDataGrid* grdZahlungen;
    TORVDataModel* mdlZahlungen;

private:
    bool Zeigen(bool gefunden);
};
