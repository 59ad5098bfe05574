#pragma once
// The customer master-data form: number (display only), salutation, names, address, contact,
// birthday, gender, status, flags, customer group, attributes and numbers. It only moves data
// between its controls and a TKundenStamm; checking and saving are the dialog's business.
#include <QWidget>

#include "platform/partners/customer_master.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;
class TORVDateEdit;
class TORVIntegerEdit;

class TKundenFormular : public QWidget {
    Q_OBJECT

public:
    explicit TKundenFormular(QWidget* parent = nullptr);

    // Shows the record (its number, attributes and numbers included).
    void Setzen(const TKundenStamm& k);
    // Reads the controls into k (number, client company and creation date stay). Returns an
    // error for input the record cannot hold (a birthday that is no date); Feld empty if none.
    TKundenFehler Lesen(TKundenStamm& k) const;
    void Leeren();
    // Puts the focus on the control of a field role ("Name", "PLZ", "E-Mail" ...).
    void FokusAuf(const std::string& feld);
    // Sets the kind of the preset first number row (empty: no preset row).
    void SetNummernArtVorgabe(const QString& art) { nummernArtVorgabe_ = art; }

private:
    static void FuelleTabelle(QTableWidget* t, const std::vector<std::pair<std::string, std::string>>& rows);
    static std::vector<std::pair<std::string, std::string>> LeseTabelle(const QTableWidget* t);

    QLineEdit* edtGepNr_;
    QComboBox* cmbAnrede_;
    QLineEdit* edtName_;
    QLineEdit* edtName2_;
    QLineEdit* edtVorname_;
    QLineEdit* edtSuchname_;
    QLineEdit* edtStrasse_;
    QLineEdit* edtPlz_;
    QLineEdit* edtOrt_;
    QLineEdit* edtLand_;
    QLineEdit* edtTelefon_;
    QLineEdit* edtEmail_;
    TORVDateEdit* edtGeburtstag_;
    QComboBox* cmbGeschlecht_;
    QComboBox* cmbStatus_;
    QCheckBox* chbWerbung_;
    QCheckBox* chbSerienbrief_;
    TORVIntegerEdit* edtKundengruppe_;
    QTableWidget* grdMerkmale_;
    QTableWidget* grdNummern_;
    QString nummernArtVorgabe_;
};
