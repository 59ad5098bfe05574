#pragma once
// The settings of one card or label layout as controls: page, label grid, margins and the
// fields with their position and font. Every change is reported through Geaendert; the layout
// is read back with Layout(). A field's numbers are typed as text, and a text that is no
// number reads as "not a number", which the layout's checks then name.
#include <QWidget>

#include "platform/layouts/kund_layout.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

class TLayoutEditor : public QWidget {
    Q_OBJECT

public:
    explicit TLayoutEditor(QWidget* parent = nullptr);

    void SetLayout(const kis::layouts::TKundLayout& layout);
    // The layout as the controls show it (name and kind as last set).
    kis::layouts::TKundLayout Layout() const;
    void SetNurLesen(bool nurLesen);

    // Columns of the field grid.
    enum Spalte { spInhalt, spX, spY, spBreite, spSchrift, spGroesse, spFett, spAnzahl };

    QLineEdit* edtBezeichnung;
    QDoubleSpinBox* edtSeitenbreite;
    QDoubleSpinBox* edtSeitenhoehe;
    QSpinBox* edtSpalten;
    QSpinBox* edtZeilen;
    QDoubleSpinBox* edtBreite;
    QDoubleSpinBox* edtHoehe;
    QDoubleSpinBox* edtAbstandX;
    QDoubleSpinBox* edtAbstandY;
    QDoubleSpinBox* edtObererRand;
    QDoubleSpinBox* edtUntererRand;
    QDoubleSpinBox* edtLinkerRand;
    QDoubleSpinBox* edtXPosition;
    QCheckBox* chbRahmen;
    QTableWidget* grdFelder;
    QPushButton* btnFeldNeu;
    QPushButton* btnFeldLoeschen;
    QComboBox* cmbPlatzhalter;
    QPushButton* btnPlatzhalter;

signals:
    void Geaendert();

private:
    void FeldZeileSetzen(int row, const kis::layouts::TLayoutFeld& feld);
    void FeldNeu();
    void FeldLoeschen();
    void PlatzhalterEinfuegen();
    void Melden();

    kis::layouts::TKundLayout FLayout;  // name, kind: kept as set
    bool FSetzen = false;               // no change reports while the controls are filled
};
