#include "platform/ui/layouts/layout_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

#include "platform/layouts/kunden_felder.h"
#include "platform/layouts/layout_zahlen.h"

using namespace kis::layouts;

namespace {

QDoubleSpinBox* Laenge(QWidget* parent, const char* name) {
    auto* e = new QDoubleSpinBox(parent);
    e->setObjectName(QString::fromUtf8(name));
    e->setLocale(QLocale(QLocale::German, QLocale::Germany));
    e->setDecimals(2);
    e->setRange(0, 1000);
    e->setSingleStep(0.5);
    e->setSuffix(QStringLiteral(" mm"));
    e->setAccelerated(true);
    return e;
}

QSpinBox* Anzahl(QWidget* parent, const char* name) {
    auto* e = new QSpinBox(parent);
    e->setObjectName(QString::fromUtf8(name));
    e->setRange(1, 50);
    return e;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

double ZahlAusZelle(const QTableWidgetItem* item) {
    if (!item) return 0;
    const QString t = item->text().trimmed();
    if (t.isEmpty()) return 0;
    return ZahlLesen(t.toStdString()).value_or(std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

TLayoutEditor::TLayoutEditor(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LayoutEditor"));
    edtBezeichnung = new QLineEdit(this);
    edtBezeichnung->setObjectName(QStringLiteral("edtBezeichnung"));
    edtBezeichnung->setMaxLength(80);
    edtSeitenbreite = Laenge(this, "edtSeitenbreite");
    edtSeitenhoehe = Laenge(this, "edtSeitenhoehe");
    edtSpalten = Anzahl(this, "edtSpalten");
    edtZeilen = Anzahl(this, "edtZeilen");
    edtBreite = Laenge(this, "edtBreite");
    edtHoehe = Laenge(this, "edtHoehe");
    edtAbstandX = Laenge(this, "edtAbstandX");
    edtAbstandY = Laenge(this, "edtAbstandY");
    edtObererRand = Laenge(this, "edtObererRand");
    edtUntererRand = Laenge(this, "edtUntererRand");
    edtLinkerRand = Laenge(this, "edtLinkerRand");
    edtXPosition = Laenge(this, "edtXPosition");
    chbRahmen = new QCheckBox(QStringLiteral("&Rahmen um jedes Etikett drucken"), this);
    chbRahmen->setObjectName(QStringLiteral("chbRahmen"));

    auto* raster = new QGridLayout;
    int zeile = 0;
    auto paar = [&](const QString& text, QWidget* a, const QString& text2, QWidget* b) {
        auto* l1 = new QLabel(text, this);
        l1->setBuddy(a);
        raster->addWidget(l1, zeile, 0);
        raster->addWidget(a, zeile, 1);
        auto* l2 = new QLabel(text2, this);
        l2->setBuddy(b);
        raster->addWidget(l2, zeile, 2);
        raster->addWidget(b, zeile, 3);
        ++zeile;
    };
    auto* lblBez = new QLabel(QStringLiteral("Be&zeichnung"), this);
    lblBez->setBuddy(edtBezeichnung);
    raster->addWidget(lblBez, zeile, 0);
    raster->addWidget(edtBezeichnung, zeile++, 1, 1, 3);
    paar(QStringLiteral("Seiten&breite"), edtSeitenbreite, QStringLiteral("Seiten&höhe"), edtSeitenhoehe);
    paar(QStringLiteral("S&palten"), edtSpalten, QStringLiteral("&Zeilen"), edtZeilen);
    paar(QStringLiteral("Etikett B&reite"), edtBreite, QStringLiteral("Etikett Hö&he"), edtHoehe);
    paar(QStringLiteral("Abstand &X"), edtAbstandX, QStringLiteral("Abstand &Y"), edtAbstandY);
    paar(QStringLiteral("&Oberer Rand"), edtObererRand, QStringLiteral("&Unterer Rand"), edtUntererRand);
    paar(QStringLiteral("&Linker Rand"), edtLinkerRand, QStringLiteral("X-&Position Text"), edtXPosition);
    raster->addWidget(chbRahmen, zeile++, 0, 1, 4);

    grdFelder = new QTableWidget(0, spAnzahl, this);
    grdFelder->setObjectName(QStringLiteral("grdFelder"));
    grdFelder->setHorizontalHeaderLabels({QStringLiteral("Inhalt"), QStringLiteral("X mm"), QStringLiteral("Y mm"),
                                          QStringLiteral("Breite mm"), QStringLiteral("Schrift"),
                                          QStringLiteral("Größe pt"), QStringLiteral("Fett")});
    grdFelder->horizontalHeader()->setSectionResizeMode(spInhalt, QHeaderView::Stretch);
    for (int c = spX; c < spAnzahl; ++c) grdFelder->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    grdFelder->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdFelder->setSelectionMode(QAbstractItemView::SingleSelection);
    grdFelder->verticalHeader()->setDefaultSectionSize(22);

    btnFeldNeu = new QPushButton(QStringLiteral("Feld &hinzufügen"), this);
    btnFeldNeu->setObjectName(QStringLiteral("btnFeldNeu"));
    btnFeldLoeschen = new QPushButton(QStringLiteral("Feld &entfernen"), this);
    btnFeldLoeschen->setObjectName(QStringLiteral("btnFeldLoeschen"));
    cmbPlatzhalter = new QComboBox(this);
    cmbPlatzhalter->setObjectName(QStringLiteral("cmbPlatzhalter"));
    for (const TPlatzhalter& p : Platzhalter())
        cmbPlatzhalter->addItem(QString::fromUtf8(p.Caption), QStringLiteral("#%1#").arg(QString::fromUtf8(p.Name)));
    btnPlatzhalter = new QPushButton(QStringLiteral("&Platzhalter einfügen"), this);
    btnPlatzhalter->setObjectName(QStringLiteral("btnPlatzhalter"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnFeldNeu);
    knoepfe->addWidget(btnFeldLoeschen);
    knoepfe->addStretch(1);
    knoepfe->addWidget(cmbPlatzhalter);
    knoepfe->addWidget(btnPlatzhalter);

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->addLayout(raster);
    auto* lblFelder = new QLabel(QStringLiteral("&Felder"), this);
    lblFelder->setBuddy(grdFelder);
    haupt->addWidget(lblFelder);
    haupt->addWidget(grdFelder, 1);
    haupt->addLayout(knoepfe);

    for (QDoubleSpinBox* e : {edtSeitenbreite, edtSeitenhoehe, edtBreite, edtHoehe, edtAbstandX, edtAbstandY,
                              edtObererRand, edtUntererRand, edtLinkerRand, edtXPosition})
        connect(e, &QDoubleSpinBox::valueChanged, this, &TLayoutEditor::Melden);
    for (QSpinBox* e : {edtSpalten, edtZeilen}) connect(e, &QSpinBox::valueChanged, this, &TLayoutEditor::Melden);
    connect(edtBezeichnung, &QLineEdit::textEdited, this, &TLayoutEditor::Melden);
    connect(chbRahmen, &QCheckBox::toggled, this, &TLayoutEditor::Melden);
    connect(grdFelder, &QTableWidget::itemChanged, this, &TLayoutEditor::Melden);
    connect(btnFeldNeu, &QPushButton::clicked, this, &TLayoutEditor::FeldNeu);
    connect(btnFeldLoeschen, &QPushButton::clicked, this, &TLayoutEditor::FeldLoeschen);
    connect(btnPlatzhalter, &QPushButton::clicked, this, &TLayoutEditor::PlatzhalterEinfuegen);
}

void TLayoutEditor::Melden() {
    if (!FSetzen) emit Geaendert();
}

void TLayoutEditor::SetLayout(const TKundLayout& l) {
    FSetzen = true;
    FLayout = l;
    edtBezeichnung->setText(Q(l.Bezeichnung));
    edtSeitenbreite->setValue(l.Seitenbreite);
    edtSeitenhoehe->setValue(l.Seitenhoehe);
    edtSpalten->setValue(l.Spalten);
    edtZeilen->setValue(l.Zeilen);
    edtBreite->setValue(l.Breite);
    edtHoehe->setValue(l.Hoehe);
    edtAbstandX->setValue(l.AbstandX);
    edtAbstandY->setValue(l.AbstandY);
    edtObererRand->setValue(l.ObererRand);
    edtUntererRand->setValue(l.UntererRand);
    edtLinkerRand->setValue(l.LinkerRand);
    edtXPosition->setValue(l.XPosition);
    chbRahmen->setChecked(l.Rahmen);
    grdFelder->setRowCount(0);
    grdFelder->setRowCount(int(l.Felder.size()));
    for (int r = 0; r < int(l.Felder.size()); ++r) FeldZeileSetzen(r, l.Felder[size_t(r)]);
    FSetzen = false;
}

void TLayoutEditor::FeldZeileSetzen(int row, const TLayoutFeld& f) {
    const bool vorher = FSetzen;
    FSetzen = true;
    auto zelle = [&](int spalte, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        if (spalte != spInhalt && spalte != spSchrift) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdFelder->setItem(row, spalte, item);
    };
    zelle(spInhalt, Q(f.Inhalt));
    zelle(spX, Q(ZahlText(f.X)));
    zelle(spY, Q(ZahlText(f.Y)));
    zelle(spBreite, Q(ZahlText(f.Breite)));
    zelle(spSchrift, Q(f.Schrift));
    zelle(spGroesse, Q(ZahlText(f.Groesse)));
    auto* fett = new QTableWidgetItem;
    fett->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    fett->setCheckState(f.Fett ? Qt::Checked : Qt::Unchecked);
    grdFelder->setItem(row, spFett, fett);
    FSetzen = vorher;
}

TKundLayout TLayoutEditor::Layout() const {
    TKundLayout l = FLayout;
    l.Bezeichnung = edtBezeichnung->text().trimmed().toStdString();
    l.Seitenbreite = edtSeitenbreite->value();
    l.Seitenhoehe = edtSeitenhoehe->value();
    l.Spalten = edtSpalten->value();
    l.Zeilen = edtZeilen->value();
    l.Breite = edtBreite->value();
    l.Hoehe = edtHoehe->value();
    l.AbstandX = edtAbstandX->value();
    l.AbstandY = edtAbstandY->value();
    l.ObererRand = edtObererRand->value();
    l.UntererRand = edtUntererRand->value();
    l.LinkerRand = edtLinkerRand->value();
    l.XPosition = edtXPosition->value();
    l.Rahmen = chbRahmen->isChecked();
    l.Felder.clear();
    for (int r = 0; r < grdFelder->rowCount(); ++r) {
        TLayoutFeld f;
        const QTableWidgetItem* inhalt = grdFelder->item(r, spInhalt);
        f.Inhalt = inhalt ? inhalt->text().trimmed().toStdString() : std::string();
        f.X = ZahlAusZelle(grdFelder->item(r, spX));
        f.Y = ZahlAusZelle(grdFelder->item(r, spY));
        f.Breite = ZahlAusZelle(grdFelder->item(r, spBreite));
        const QTableWidgetItem* schrift = grdFelder->item(r, spSchrift);
        f.Schrift = schrift ? schrift->text().trimmed().toStdString() : std::string();
        f.Groesse = ZahlAusZelle(grdFelder->item(r, spGroesse));
        const QTableWidgetItem* fett = grdFelder->item(r, spFett);
        f.Fett = fett && fett->checkState() == Qt::Checked;
        l.Felder.push_back(std::move(f));
    }
    return l;
}

void TLayoutEditor::SetNurLesen(bool nurLesen) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             edtBezeichnung, edtSeitenbreite, edtSeitenhoehe, edtSpalten, edtZeilen, edtBreite, edtHoehe,
             edtAbstandX, edtAbstandY, edtObererRand, edtUntererRand, edtLinkerRand, edtXPosition, chbRahmen,
             btnFeldNeu, btnFeldLoeschen, cmbPlatzhalter, btnPlatzhalter})
        w->setEnabled(!nurLesen);
    grdFelder->setEditTriggers(nurLesen ? QAbstractItemView::NoEditTriggers
                                        : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                              QAbstractItemView::AnyKeyPressed);
}

void TLayoutEditor::FeldNeu() {
    // A new field goes one line below the last one, in the last one's font.
    TLayoutFeld f;
    f.Inhalt = "#NAME#";
    const TKundLayout l = Layout();
    if (!l.Felder.empty()) {
        const TLayoutFeld& letztes = l.Felder.back();
        f.X = letztes.X;
        f.Schrift = letztes.Schrift;
        f.Groesse = letztes.Groesse;
        f.Y = letztes.Y + letztes.Groesse * 0.3528 * 1.3;  // one line of that size, in mm
        if (!(f.Y < l.Hoehe)) f.Y = 0;
    }
    const int row = grdFelder->rowCount();
    grdFelder->insertRow(row);
    FeldZeileSetzen(row, f);
    grdFelder->setCurrentCell(row, spInhalt);
    Melden();
}

void TLayoutEditor::FeldLoeschen() {
    const int row = grdFelder->currentRow();
    if (row < 0) return;
    grdFelder->removeRow(row);
    Melden();
}

void TLayoutEditor::PlatzhalterEinfuegen() {
    const int row = grdFelder->currentRow();
    if (row < 0) return;
    QTableWidgetItem* item = grdFelder->item(row, spInhalt);
    if (!item) {
        item = new QTableWidgetItem;
        grdFelder->setItem(row, spInhalt, item);
    }
    const QString text = item->text().trimmed();
    const QString platzhalter = cmbPlatzhalter->currentData().toString();
    item->setText(text.isEmpty() ? platzhalter : text + QLatin1Char(' ') + platzhalter);  // reports the change
}
