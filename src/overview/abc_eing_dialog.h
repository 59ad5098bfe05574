#pragma once
// "ABC-Kennzeichen setzen": asks for the shares of groups A and B (C is the rest), whether
// they are shares of the turnover or of the number of customers, and which indicator receives
// the letters. The last choice is kept in the form store ("MEROVA", "ABCEING") and comes back
// with the next opening, also in a later run of the program.
//
// Created once at program start and kept; the overview shows it modally. After Accepted the
// four fields FAAnteil, FBAnteil, FABCTyp and FABCBezug hold the choice.
#include <QDialog>

#include "app/kis_types.h"

class QAbstractButton;
class QPushButton;
class TORVIntegerEdit;
class TORVStdButton;

class TfrmABCEing : public QDialog {
    Q_OBJECT

public:
    explicit TfrmABCEing(QWidget* parent = nullptr);
    ~TfrmABCEing() override;

    // The dialog created at program start; none before or after.
    static TfrmABCEing* Instanz();

    int32_t FAAnteil = 0;
    int32_t FBAnteil = 0;
    TABCTyp FABCTyp = TABCTyp::abcAktuell;
    TABCBezug FABCBezug = TABCBezug::bezUmsatz;

    TORVIntegerEdit* edtAAnteil;
    TORVIntegerEdit* edtBAnteil;
    TORVIntegerEdit* edtCAnteil;
    QPushButton* spbUmsatz;
    QPushButton* spbAnzahl;
    QPushButton* spbAktuell;
    QPushButton* spbVergleich;
    QPushButton* spbOhne;
    TORVStdButton* btnBuchen;
    TORVStdButton* btnZurueck;

    // Leaving the A or the B edit: B is cut to 100 - A when both add up to more than 100,
    // and C becomes the rest.
    void edtAAnteilExit();
    // OK: checks reference, indicator and shares in this order; closes with Accepted only
    // when all are valid (otherwise a message and the dialog stays open).
    void btnBuchenClick();
    // A toggle button of a group goes down and is disabled; the others of its group come up.
    void Umschalten(QAbstractButton* gedrueckt);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormStoreLaden();
    void FormStoreSpeichern();
};
