#pragma once
// "Einstellungen zu den Bonusprogrammen": the editor of calculation rules and the four
// programme kinds, one outer tab per kind. Created once and kept; each showing reloads every
// list. Escape cancels a running insert or change of the active page first and closes the
// window only from browse.
#include <QDialog>

class QTabWidget;
class TBetaSeite;
class TBonusRechner;
class TDM;
class TPassSeite;
class TProgrammSeite;
class TUmsaSeite;
class TUmzrSeite;

class TBonusProgrammeFrm : public QDialog {
    Q_OBJECT

public:
    // rechner: the data module's calculator (kept by the caller).
    TBonusProgrammeFrm(TBonusRechner& rechner, TDM* dm, QWidget* parent = nullptr);

    QTabWidget* pgcAlles = nullptr;
    QTabWidget* pgcGrundlagen = nullptr;
    TBetaSeite* BETA = nullptr;
    TPassSeite* PASS = nullptr;
    TUmsaSeite* UMSA = nullptr;
    TUmsaSeite* RABS = nullptr;
    TUmzrSeite* UMZR = nullptr;

    // The page of the active outer tab.
    TProgrammSeite* AktiveSeite() const;
    // "zurück": cancels an edit of the active page, otherwise closes.
    void zurck1Click();
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;
};
