#pragma once
// The three selection tabs of a programme page ("Selektion Kunde", "Selektion Verkauf",
// "Selektion Gesamtdaten") and the programme's selection lines ("Box.Control=value").
//
// Lines are kept per tab in the order of the boxes (customer boxes, receipt and position
// box, sales-total and open-item box); lines of boxes this page cannot show are carried along
// unchanged, so loading and saving a programme never loses a criterion. The sales-position
// box's two "settled for a bonus" flags are forced on every restore and every clear: a
// programme only ever selects sales not yet settled for a bonus.
#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;

class TProgrammSelektion : public QObject {
    Q_OBJECT

public:
    TProgrammSelektion(const QString& prefix, QWidget* parent);

    QWidget* tshKunde = nullptr;
    QWidget* tshVerkauf = nullptr;
    QWidget* tshGesamtdaten = nullptr;

    void Clear();
    void EnabledSetzen(bool on);
    // Restores from stored lines; the completed-transactions box is never restored.
    void BoxesGet(const std::vector<std::string>& zeilen);
    // The lines of the boxes in their order, the two bonus flags locked.
    std::vector<std::string> BoxesPut() const;

    // The lines every programme selection carries: sales not yet settled for a bonus only.
    static std::vector<std::string> Sperrzeilen(const QString& prefix = {});

private:
    void Anzeigen();
    // 0 customer, 1 sales, 2 totals, -1 a box that is never written.
    static int TabVon(const std::string& zeile);

    QString prefix_;
    std::vector<std::string> zeilen_[3];
    QPlainTextEdit* anzeige_[3] = {nullptr, nullptr, nullptr};
};
