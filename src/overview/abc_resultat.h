#pragma once
// "Ergebnis" of an ABC classification: per group how many customers it holds and what
// turnover they bring, absolute and as a share. The caller sets FABCInfo before showing it.
// Created once at program start and kept.
#include <QDialog>

#include "app/kis_types.h"

class QLabel;
class QPushButton;
class QWidget;

class TfrmABCResultat : public QDialog {
    Q_OBJECT

public:
    explicit TfrmABCResultat(QWidget* parent = nullptr);
    ~TfrmABCResultat() override;

    // The dialog created at program start; none before or after.
    static TfrmABCResultat* Instanz();

    // The text of the result: one paragraph per group (A, B, C), separated by an empty line.
    static QString ErgebnisText(const TABCInfoRecord& info, const QString& waehrung);

    TABCInfoRecord FABCInfo;

    QLabel* lblText;
    QWidget* pnlFuss;
    QPushButton* btnOK;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
