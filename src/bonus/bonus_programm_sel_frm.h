#pragma once
// "Auswahl des Bonusprogrammes": the user picks the programme kind and name by which bonuses
// are generated. The last confirmed choice is kept in the form store (mask "BONUSSEL"); a
// choice that differs from it is confirmed by a question. A programme without a stored main
// record is refused with a message.
#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;
class TBonusRechner;

class TBonusProgrammSelFrm : public QDialog {
    Q_OBJECT

public:
    explicit TBonusProgrammSelFrm(TBonusRechner& rechner, QWidget* parent = nullptr);

    QLabel* lblTxtUeb = nullptr;
    QComboBox* cmbBonusTyp = nullptr;
    QComboBox* cmbBonusName = nullptr;
    QPushButton* btnZurueck = nullptr;
    QPushButton* btnWeiter = nullptr;
    QString FAltTyp;
    QString FAltName;

    void cmbBonusTypChange();
    void btnWeiterClick();
    // The chosen kind name ("Bonusprogramm - Prämienpass") and programme name.
    QString BonusTyp() const;
    QString BonusName() const;

    // Form store: the type and name texts under the mask "BONUSSEL".
    bool MaskeSpeichern();
    bool MaskeLaden();
    bool MaskeLoeschen();

private:
    TBonusRechner& rechner_;
};
