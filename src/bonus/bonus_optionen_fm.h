#pragma once
// "Einstellungen zur Verwendung von Bonus": six switches for how generated bonuses may be
// used; three platform parameters ('J'/'N') and three values of the settings mask "BONUSCFG"
// (1/0). "Buchen - F5" writes all six; Escape leaves without writing.
#include <QDialog>

class QCheckBox;
class QPushButton;

class TBonusOptionenFm : public QDialog {
    Q_OBJECT

public:
    explicit TBonusOptionenFm(QWidget* parent = nullptr);

    QCheckBox* chbParamBonusDirekt = nullptr;
    QCheckBox* chbParamBonusAbgeschl = nullptr;
    QCheckBox* chbParamBonusAutoAb = nullptr;
    QCheckBox* chbParamBonusAlsSet = nullptr;
    QCheckBox* chbParamBonusSelektiv = nullptr;
    QCheckBox* chbParamBonusTeilausgleich = nullptr;
    QPushButton* btnBuchen = nullptr;
    QPushButton* btnZurueck = nullptr;

    void FormShow();
    // Writes the six values; false (window stays open) when a write failed.
    bool btnBuchenClick();

protected:
    void showEvent(QShowEvent* event) override;
};
