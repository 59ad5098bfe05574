#include "platform/ui/serbrief/gp_ser_brief_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/services/orv_info.h"
#include "platform/ui/serbrief/serbrief_datei.h"

using kis::ui::SerienbriefDatei;
using kis::ui::SerienbriefVorgaben;

namespace {

constexpr int kKeyRolle = Qt::UserRole;

QPushButton* Knopf(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

// A row caption whose key letter moves the focus to `ziel`.
QLabel* Beschriftung(const QString& text, QWidget* ziel) {
    auto* label = new QLabel(text, ziel->parentWidget());
    label->setBuddy(ziel);
    return label;
}

QString Platzhalter(const QString& key) {
    return QLatin1Char('#') + SerienbriefDatei::FeldName(key) + QLatin1Char('#');
}

}  // namespace

TGPSerBriefDialog::TGPSerBriefDialog(QWidget* parent,
                                     const std::vector<std::pair<QString, QString>>& felder,
                                     const SerienbriefVorgaben& vorgaben)
    : QDialog(parent), FVorgaben(vorgaben) {
    setObjectName(QStringLiteral("GPSerBriefDialog"));
    setWindowTitle(QStringLiteral("Serienbrief"));
    resize(820, 620);
    auto* haupt = new QHBoxLayout(this);

    // Left: the fields of the data file.
    auto* links = new QGroupBox(QStringLiteral("Felder der Datendatei"), this);
    auto* ll = new QVBoxLayout(links);
    lstSpalten = new QListWidget(links);
    lstSpalten->setObjectName(QStringLiteral("lstSpalten"));
    // Chosen fields first, in their stored order; then the others.
    std::vector<std::pair<QString, QString>> ordnung;
    for (const QString& key : vorgaben.Spalten)
        for (const auto& f : felder)
            if (f.first == key) ordnung.push_back(f);
    for (const auto& f : felder)
        if (!vorgaben.Spalten.contains(f.first)) ordnung.push_back(f);
    const bool alle = !vorgaben.Gespeichert;
    for (const auto& [key, caption] : ordnung) {
        auto* item = new QListWidgetItem(caption, lstSpalten);
        item->setData(kKeyRolle, key);
        item->setToolTip(Platzhalter(key));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(alle || vorgaben.Spalten.contains(key) ? Qt::Checked : Qt::Unchecked);
    }
    lstSpalten->setCurrentRow(0);
    ll->addWidget(lstSpalten, 1);
    auto* reihe = new QHBoxLayout;
    QPushButton* hoch = Knopf("btnHoch", QStringLiteral("Nach oben"), links);
    QPushButton* runter = Knopf("btnRunter", QStringLiteral("Nach unten"), links);
    hoch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    runter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    hoch->setToolTip(QStringLiteral("Feld nach oben schieben (Strg+Pfeil hoch)"));
    runter->setToolTip(QStringLiteral("Feld nach unten schieben (Strg+Pfeil runter)"));
    QPushButton* alleKnopf = Knopf("btnAlle", QStringLiteral("Alle"), links);
    QPushButton* keineKnopf = Knopf("btnKeine", QStringLiteral("Keine"), links);
    for (QPushButton* b : {hoch, runter, alleKnopf, keineKnopf}) reihe->addWidget(b);
    ll->addLayout(reihe);
    connect(hoch, &QPushButton::clicked, this, [this] { Verschieben(-1); });
    connect(runter, &QPushButton::clicked, this, [this] { Verschieben(1); });
    const auto alleSetzen = [this](Qt::CheckState s) {
        for (int i = 0; i < lstSpalten->count(); ++i) lstSpalten->item(i)->setCheckState(s);
    };
    connect(alleKnopf, &QPushButton::clicked, this, [alleSetzen] { alleSetzen(Qt::Checked); });
    connect(keineKnopf, &QPushButton::clicked, this, [alleSetzen] { alleSetzen(Qt::Unchecked); });
    haupt->addWidget(links, 1);

    // Right: files and template.
    auto* rechts = new QVBoxLayout;
    auto dateiZeile = [this](QLineEdit*& edit, const char* name, const QString& wert,
                              const char* knopfName) {
        auto* zeile = new QHBoxLayout;
        edit = new QLineEdit(wert, this);
        edit->setObjectName(QString::fromUtf8(name));
        zeile->addWidget(edit, 1);
        QPushButton* knopf = Knopf(knopfName, QStringLiteral("..."), this);
        knopf->setToolTip(QStringLiteral("Datei wählen ..."));
        zeile->addWidget(knopf);
        return std::pair{zeile, knopf};
    };
    auto* dateien = new QFormLayout;
    auto [datenZeile, datenKnopf] = dateiZeile(edtDatenDatei, "edtDatenDatei", vorgaben.DatenDatei,
                                               "btnDatenDatei");
    dateien->addRow(Beschriftung(QStringLiteral("&Datendatei:"), edtDatenDatei), datenZeile);
    rechts->addLayout(dateien);
    connect(datenKnopf, &QPushButton::clicked, this, [this] {
        DateiWaehlen(edtDatenDatei, QStringLiteral("Datendatei speichern"),
                     QStringLiteral("CSV-Dateien (*.csv)"), QStringLiteral("csv"));
    });

    grpVorlage = new QGroupBox(QStringLiteral("&Briefe aus Vorlage als PDF schreiben"), this);
    grpVorlage->setObjectName(QStringLiteral("grpVorlage"));
    grpVorlage->setCheckable(true);
    grpVorlage->setChecked(vorgaben.MitBriefen);
    auto* vl = new QFormLayout(grpVorlage);
    edtAnschrift = new QPlainTextEdit(vorgaben.Anschrift, grpVorlage);
    edtAnschrift->setObjectName(QStringLiteral("edtAnschrift"));
    edtAnschrift->setTabChangesFocus(true);
    edtAnschrift->setFixedHeight(edtAnschrift->fontMetrics().lineSpacing() * 6);
    edtAnschrift->setToolTip(QStringLiteral("Steht im Anschriftfeld eines Fensterumschlags"));
    edtBetreff = new QLineEdit(vorgaben.Betreff, grpVorlage);
    edtBetreff->setObjectName(QStringLiteral("edtBetreff"));
    edtVorlage = new QPlainTextEdit(vorgaben.Text, grpVorlage);
    edtVorlage->setObjectName(QStringLiteral("edtVorlage"));
    edtVorlage->setTabChangesFocus(true);
    vl->addRow(QStringLiteral("&Anschrift:"), edtAnschrift);
    vl->addRow(QStringLiteral("Be&treff:"), edtBetreff);
    vl->addRow(QStringLiteral("Te&xt:"), edtVorlage);
    auto* feldZeile = new QHBoxLayout;
    cmbFeld = new QComboBox(grpVorlage);
    cmbFeld->setObjectName(QStringLiteral("cmbFeld"));
    for (const auto& [key, caption] : felder)
        cmbFeld->addItem(caption + QStringLiteral("  ") + Platzhalter(key), Platzhalter(key));
    QPushButton* einfuegen = Knopf("btnFeldEinfuegen", QStringLiteral("Feld &einfügen"), grpVorlage);
    einfuegen->setToolTip(QStringLiteral("Fügt das gewählte Feld an der Schreibmarke ein (Strg+E)"));
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this, [this] { FeldEinfuegen(); });
    feldZeile->addWidget(cmbFeld, 1);
    feldZeile->addWidget(einfuegen);
    vl->addRow(Beschriftung(QStringLiteral("&Feld:"), cmbFeld), feldZeile);
    auto [pdfZeile, pdfKnopf] = dateiZeile(edtPdfDatei, "edtPdfDatei", vorgaben.PdfDatei, "btnPdfDatei");
    vl->addRow(Beschriftung(QStringLiteral("&PDF-Datei:"), edtPdfDatei), pdfZeile);
    chbOeffnen = new QCheckBox(QStringLiteral("Briefe anschließend an&zeigen"), grpVorlage);
    chbOeffnen->setObjectName(QStringLiteral("chbOeffnen"));
    chbOeffnen->setChecked(true);
    vl->addRow(QString(), chbOeffnen);
    rechts->addWidget(grpVorlage, 1);
    connect(einfuegen, &QPushButton::clicked, this, &TGPSerBriefDialog::FeldEinfuegen);
    connect(pdfKnopf, &QPushButton::clicked, this, [this] {
        DateiWaehlen(edtPdfDatei, QStringLiteral("Briefe speichern"),
                     QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"));
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* jetzt) {
        if (jetzt == edtAnschrift || jetzt == edtBetreff || jetzt == edtVorlage) FLetztesFeld = jetzt;
    });

    auto* knoepfe = new QDialogButtonBox(this);
    btnOk = knoepfe->addButton(QStringLiteral("Serienbrief erstellen"), QDialogButtonBox::AcceptRole);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    QPushButton* abbrechen = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TGPSerBriefDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &TGPSerBriefDialog::reject);
    rechts->addWidget(knoepfe);
    haupt->addLayout(rechts, 2);
    lstSpalten->setFocus();
}

void TGPSerBriefDialog::Verschieben(int schritt) {
    const int von = lstSpalten->currentRow();
    const int nach = von + schritt;
    if (von < 0 || nach < 0 || nach >= lstSpalten->count()) return;
    QListWidgetItem* item = lstSpalten->takeItem(von);
    lstSpalten->insertItem(nach, item);
    lstSpalten->setCurrentRow(nach);
}

void TGPSerBriefDialog::FeldEinfuegen() {
    const QString text = cmbFeld->currentData().toString();
    if (text.isEmpty() || !grpVorlage->isChecked()) return;
    QWidget* ziel = FLetztesFeld ? FLetztesFeld : edtVorlage;
    if (auto* zeile = qobject_cast<QLineEdit*>(ziel))
        zeile->insert(text);
    else if (auto* feld = qobject_cast<QPlainTextEdit*>(ziel))
        feld->insertPlainText(text);
    ziel->setFocus();
}

void TGPSerBriefDialog::DateiWaehlen(QLineEdit* edit, const QString& titel, const QString& filter,
                                     const QString& endung) {
    QString datei = QFileDialog::getSaveFileName(this, titel, edit->text(), filter);
    if (datei.isEmpty()) return;
    if (QFileInfo(datei).suffix().isEmpty()) datei += QLatin1Char('.') + endung;
    edit->setText(QDir::toNativeSeparators(datei));
}

SerienbriefVorgaben TGPSerBriefDialog::Vorgaben() const {
    SerienbriefVorgaben v = FVorgaben;
    v.Spalten.clear();
    for (int i = 0; i < lstSpalten->count(); ++i)
        if (lstSpalten->item(i)->checkState() == Qt::Checked)
            v.Spalten << lstSpalten->item(i)->data(kKeyRolle).toString();
    v.DatenDatei = edtDatenDatei->text().trimmed();
    v.MitBriefen = grpVorlage->isChecked();
    v.Anschrift = edtAnschrift->toPlainText();
    v.Betreff = edtBetreff->text();
    v.Text = edtVorlage->toPlainText();
    v.PdfDatei = edtPdfDatei->text().trimmed();
    v.Gespeichert = true;
    return v;
}

bool TGPSerBriefDialog::BriefeOeffnen() const { return chbOeffnen->isChecked(); }

void TGPSerBriefDialog::accept() {
    const SerienbriefVorgaben v = Vorgaben();
    QString fehler;
    QWidget* fokus = nullptr;
    if (v.Spalten.isEmpty()) {
        fehler = QStringLiteral("Bitte wählen Sie mindestens ein Feld für die Datendatei aus.");
        fokus = lstSpalten;
    } else if (v.DatenDatei.isEmpty()) {
        fehler = QStringLiteral("Bitte geben Sie an, wohin die Datendatei geschrieben werden soll.");
        fokus = edtDatenDatei;
    } else if (v.MitBriefen && v.PdfDatei.isEmpty()) {
        fehler = QStringLiteral("Bitte geben Sie an, wohin die Briefe geschrieben werden sollen.");
        fokus = edtPdfDatei;
    } else if (v.MitBriefen && QFileInfo(v.PdfDatei).absoluteFilePath() ==
                                   QFileInfo(v.DatenDatei).absoluteFilePath()) {
        fehler = QStringLiteral("Datendatei und PDF-Datei müssen verschieden sein.");
        fokus = edtPdfDatei;
    }
    if (!fehler.isEmpty()) {
        ORVInfo().HinweisBox(fehler.toStdString());
        fokus->setFocus();
        return;
    }
    QDialog::accept();
}
