#include "platform/ui/customer/kunden_formular.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "platform/ui/german_format.h"
#include "platform/ui/mask_edit.h"

namespace {

QLineEdit* Edit(QWidget* parent, const char* name, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    return e;
}

QTableWidget* Tabelle(QWidget* parent, const char* name, const QString& c1, const QString& c2) {
    auto* t = new QTableWidget(0, 2, parent);
    t->setObjectName(QLatin1String(name));
    t->setHorizontalHeaderLabels({c1, c2});
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->hide();
    t->setMinimumHeight(90);
    return t;
}

// One row of a name/value table, with a trailing empty row to type into.
void EnsureEmptyRow(QTableWidget* t) {
    const int n = t->rowCount();
    auto cell = [t](int r, int c) { auto* i = t->item(r, c); return i ? i->text().trimmed() : QString(); };
    if (n == 0 || !cell(n - 1, 0).isEmpty() || !cell(n - 1, 1).isEmpty()) t->insertRow(n);
}

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.trimmed().toStdString(); }

}  // namespace

TKundenFormular::TKundenFormular(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmKunde"));
    edtGepNr_ = Edit(this, "edtGepNr", 20);
    edtGepNr_->setReadOnly(true);
    edtGepNr_->setFocusPolicy(Qt::NoFocus);
    cmbAnrede_ = new QComboBox(this);
    cmbAnrede_->setObjectName(QStringLiteral("cmbAnrede"));
    cmbAnrede_->setEditable(true);
    cmbAnrede_->addItems({QString(), QStringLiteral("Frau"), QStringLiteral("Herr"),
                          QStringLiteral("Familie"), QStringLiteral("Firma")});
    edtName_ = Edit(this, "edtName", 60);
    edtName2_ = Edit(this, "edtName2", 60);
    edtVorname_ = Edit(this, "edtVorname", 60);
    edtSuchname_ = Edit(this, "edtSuchname", 30);
    edtStrasse_ = Edit(this, "edtStrasse", 60);
    edtPlz_ = Edit(this, "edtPlz", 10);
    edtOrt_ = Edit(this, "edtOrt", 50);
    edtLand_ = Edit(this, "edtLand", 3);
    edtTelefon_ = Edit(this, "edtTelefon", 30);
    edtEmail_ = Edit(this, "edtEmail", 80);
    edtGeburtstag_ = new TORVDateEdit(this);
    edtGeburtstag_->setObjectName(QStringLiteral("edtGeburtstag"));
    cmbGeschlecht_ = new QComboBox(this);
    cmbGeschlecht_->setObjectName(QStringLiteral("cmbGeschlecht"));
    cmbGeschlecht_->addItem(QStringLiteral("unbekannt"), QString());
    cmbGeschlecht_->addItem(QStringLiteral("männlich"), QStringLiteral("M"));
    cmbGeschlecht_->addItem(QStringLiteral("weiblich"), QStringLiteral("W"));
    cmbGeschlecht_->addItem(QStringLiteral("divers"), QStringLiteral("U"));
    cmbStatus_ = new QComboBox(this);
    cmbStatus_->setObjectName(QStringLiteral("cmbStatus"));
    cmbStatus_->addItem(QStringLiteral("aktiv"), QStringLiteral("A"));
    cmbStatus_->addItem(QStringLiteral("passiv"), QStringLiteral("P"));
    chbWerbung_ = new QCheckBox(QStringLiteral("&Werbung erwünscht"), this);
    chbWerbung_->setObjectName(QStringLiteral("chbWerbung"));
    chbSerienbrief_ = new QCheckBox(QStringLiteral("Se&rienbriefe erwünscht"), this);
    chbSerienbrief_->setObjectName(QStringLiteral("chbSerienbrief"));
    edtKundengruppe_ = new TORVIntegerEdit(4, 9999, 0, this);
    edtKundengruppe_->setObjectName(QStringLiteral("edtKundengruppe"));
    grdMerkmale_ = Tabelle(this, "grdMerkmale", QStringLiteral("Merkmal"), QStringLiteral("Wert"));
    grdNummern_ = Tabelle(this, "grdNummern", QStringLiteral("Art"), QStringLiteral("Nummer"));
    for (auto* t : {grdMerkmale_, grdNummern_})
        connect(t, &QTableWidget::itemChanged, this, [t] { EnsureEmptyRow(t); });

    auto* left = new QFormLayout;
    auto* right = new QFormLayout;
    auto row = [](QFormLayout* f, const QString& caption, QWidget* w) {
        auto* l = new QLabel(caption);
        l->setBuddy(w);
        f->addRow(l, w);
    };
    row(left, QStringLiteral("Kundennummer"), edtGepNr_);
    row(left, QStringLiteral("&Anrede"), cmbAnrede_);
    row(left, QStringLiteral("&Name"), edtName_);
    row(left, QStringLiteral("Name &2"), edtName2_);
    row(left, QStringLiteral("&Vorname"), edtVorname_);
    row(left, QStringLiteral("S&uchname"), edtSuchname_);
    row(left, QStringLiteral("&Straße"), edtStrasse_);
    auto* plzOrt = new QHBoxLayout;
    plzOrt->addWidget(edtPlz_, 1);
    plzOrt->addWidget(edtOrt_, 3);
    auto* plzLabel = new QLabel(QStringLiteral("&PLZ / Ort"));
    plzLabel->setBuddy(edtPlz_);
    left->addRow(plzLabel, plzOrt);
    row(left, QStringLiteral("&Land"), edtLand_);
    row(right, QStringLiteral("&Telefon"), edtTelefon_);
    row(right, QStringLiteral("&E-Mail"), edtEmail_);
    row(right, QStringLiteral("&Geburtstag"), edtGeburtstag_);
    row(right, QStringLiteral("Gesc&hlecht"), cmbGeschlecht_);
    row(right, QStringLiteral("Stat&us"), cmbStatus_);
    row(right, QStringLiteral("Kunden&gruppe"), edtKundengruppe_);
    right->addRow(QString(), chbWerbung_);
    right->addRow(QString(), chbSerienbrief_);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addSpacing(16);
    top->addLayout(right, 1);
    auto* merkmale = new QGroupBox(QStringLiteral("Merkmale"), this);
    (new QHBoxLayout(merkmale))->addWidget(grdMerkmale_);
    auto* nummern = new QGroupBox(QStringLiteral("Kundennummern und Karten"), this);
    (new QHBoxLayout(nummern))->addWidget(grdNummern_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(merkmale);
    bottom->addWidget(nummern);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(bottom);
    Leeren();
}

void TKundenFormular::FuelleTabelle(QTableWidget* t, const std::vector<std::pair<std::string, std::string>>& rows) {
    const QSignalBlocker block(t);
    t->setRowCount(0);
    for (const auto& [a, b] : rows) {
        const int r = t->rowCount();
        t->insertRow(r);
        t->setItem(r, 0, new QTableWidgetItem(Q(a)));
        t->setItem(r, 1, new QTableWidgetItem(Q(b)));
    }
    EnsureEmptyRow(t);
}

std::vector<std::pair<std::string, std::string>> TKundenFormular::LeseTabelle(const QTableWidget* t) {
    std::vector<std::pair<std::string, std::string>> out;
    for (int r = 0; r < t->rowCount(); ++r) {
        const auto* a = t->item(r, 0);
        const auto* b = t->item(r, 1);
        const std::string sa = a ? S(a->text()) : std::string();
        const std::string sb = b ? S(b->text()) : std::string();
        if (!sa.empty() || !sb.empty()) out.emplace_back(sa, sb);
    }
    return out;
}

void TKundenFormular::Leeren() {
    TKundenStamm leer;
    if (!nummernArtVorgabe_.isEmpty()) leer.Nummern.push_back({S(nummernArtVorgabe_), ""});
    Setzen(leer);
}

void TKundenFormular::Setzen(const TKundenStamm& k) {
    edtGepNr_->setText(k.GepNr.IsNull() ? QStringLiteral("(neu)")
                       : k.GepNr.Rnr == 0 ? QString::number(k.GepNr.Lnr)
                                          : Q(k.GepNr.ToString()));
    cmbAnrede_->setCurrentText(Q(k.Anrede));
    edtName_->setText(Q(k.Name));
    edtName2_->setText(Q(k.Name2));
    edtVorname_->setText(Q(k.Vorname));
    edtSuchname_->setText(Q(k.Suchname));
    edtStrasse_->setText(Q(k.Strasse));
    edtPlz_->setText(Q(k.Plz));
    edtOrt_->setText(Q(k.Ort));
    edtLand_->setText(Q(k.Land));
    edtTelefon_->setText(Q(k.Telefon));
    edtEmail_->setText(Q(k.Email));
    edtGeburtstag_->SetText(k.Geburtstag == 0 ? QString()
                                              : kis::ui::DateToDigits(kis::ui::ToQDate(k.Geburtstag)));
    cmbGeschlecht_->setCurrentIndex(std::max(0, cmbGeschlecht_->findData(Q(k.Geschlecht))));
    cmbStatus_->setCurrentIndex(k.Status == "P" ? 1 : 0);
    chbWerbung_->setChecked(k.Werbung);
    chbSerienbrief_->setChecked(k.Serienbrief);
    edtKundengruppe_->SetText(k.Kundengruppe ? QString::number(k.Kundengruppe) : QString());
    std::vector<std::pair<std::string, std::string>> m, n;
    for (const auto& x : k.Merkmale) m.emplace_back(x.Name, x.Wert);
    for (const auto& x : k.Nummern) n.emplace_back(x.Art, x.Nummer);
    FuelleTabelle(grdMerkmale_, m);
    FuelleTabelle(grdNummern_, n);
}

TKundenFehler TKundenFormular::Lesen(TKundenStamm& k) const {
    k.Anrede = S(cmbAnrede_->currentText());
    k.Name = S(edtName_->text());
    k.Name2 = S(edtName2_->text());
    k.Vorname = S(edtVorname_->text());
    k.Suchname = S(edtSuchname_->text());
    k.Strasse = S(edtStrasse_->text());
    k.Plz = S(edtPlz_->text());
    k.Ort = S(edtOrt_->text());
    k.Land = S(edtLand_->text().toUpper());
    k.Telefon = S(edtTelefon_->text());
    k.Email = S(edtEmail_->text());
    k.Geschlecht = S(cmbGeschlecht_->currentData().toString());
    k.Status = S(cmbStatus_->currentData().toString());
    k.Werbung = chbWerbung_->isChecked();
    k.Serienbrief = chbSerienbrief_->isChecked();
    k.Kundengruppe = int(edtKundengruppe_->GetAsInteger(0));
    k.Merkmale.clear();
    for (const auto& [a, b] : LeseTabelle(grdMerkmale_)) k.Merkmale.push_back({a, b});
    k.Nummern.clear();
    for (const auto& [a, b] : LeseTabelle(grdNummern_)) k.Nummern.push_back({a, b});
    // A preset number kind without a number is no entry.
    std::erase_if(k.Nummern, [](const TKundenNummer& n) { return n.Nummer.empty(); });
    k.Geburtstag = 0;
    if (!edtGeburtstag_->IsEmpty()) {
        const auto d = edtGeburtstag_->GetAsDate();
        if (!d) return {"Geburtstag", "Der Geburtstag ist kein gültiges Datum (TT.MM.JJJJ)."};
        k.Geburtstag = *d;
    }
    if (k.Suchname.empty()) k.Suchname = S(QString::fromStdString(k.Name).left(30).toUpper());
    return {};
}

void TKundenFormular::FokusAuf(const std::string& feld) {
    QWidget* w = edtName_;
    if (feld == "PLZ") w = edtPlz_;
    else if (feld == "E-Mail") w = edtEmail_;
    else if (feld == "Telefon") w = edtTelefon_;
    else if (feld == "Geburtstag") w = edtGeburtstag_;
    else if (feld == "Geschlecht") w = cmbGeschlecht_;
    else if (feld == "Status") w = cmbStatus_;
    else if (feld == "Merkmal") w = grdMerkmale_;
    else if (feld == "Nummer") w = grdNummern_;
    w->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
}
