#pragma once
// Customer search: a search text (name, search name or first name; '*' and '?' wildcards,
// otherwise "begins with") or a customer number, and the hits in a grid. Enter in an input
// searches; Enter or a double click on a hit chooses it.
#include <QWidget>
#include <vector>

#include "platform/partners/customer_master.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TORVDataGrid;
class TORVDataModel;
class TORVIntegerEdit;

class TKundenSuche : public QWidget {
    Q_OBJECT

public:
    explicit TKundenSuche(QWidget* parent = nullptr);

    // Runs the search of the inputs; returns the number of hits (a message line says when
    // there are none).
    int Suchen();
    void Leeren();
    // The chosen (current) hit; 0/0 when none.
    TIntPair Gewaehlt() const;
    // Makes the hit after the customer current (the next one of the list); false at the end.
    bool WaehleNach(const TIntPair& kunde);
    int AnzahlTreffer() const { return int(treffer_.size()); }
    void FokusSuche();

signals:
    void KundeGewaehlt(TIntPair kunde);

private:
    QLineEdit* edtSuchText_;
    TORVIntegerEdit* edtSuchNr_;
    QPushButton* btnSuchen_;
    TORVDataGrid* grdTreffer_;
    TORVDataModel* model_;
    QLabel* lblHinweis_;
    std::vector<TKundenTreffer> treffer_;
};
