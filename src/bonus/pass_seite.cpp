#include "bonus/pass_seite.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dm.h"
#include "bonus/konto_combo.h"
#include "bonus/programm_selektion.h"
#include "bonus/radio_gruppe.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/services/number_format.h"
#include "platform/ui/mask_edit.h"
#include "platform/tables/bonus_typen.h"
#include "platform/ui/german_format.h"

namespace {
QString Index3(int i) { return QString::asprintf("%.3d", i); }
QString Betrag(long double v) { return QString::fromStdString(kis::services::FormatNumber("%9.2n", v)); }
}  // namespace

TPassSeite::TPassSeite(TBonusRechner& rechner, TDM* dm, QWidget* parent)
    : TProgrammSeite(QStringLiteral("PASS"), 2, rechner, dm, parent) {
    pgcPRPass = new QTabWidget(this);
    pgcPRPass->setObjectName(QStringLiteral("pgcPRPass"));
    auto* tsh = new QWidget(pgcPRPass);
    auto* l = new QVBoxLayout(tsh);
    PASSrgpPosBon = new TRadioGruppe(QStringLiteral("PASSrgpPosBon"), QString(),
                                     {QStringLiteral("Einträge in dem Prämienpass ergeben sich aus der Verkaufsposition"),
                                      QStringLiteral("Einträge in dem Prämienpass ergeben sich aus dem Bon")},
                                     1, tsh);
    PASSrgpStorno = new TRadioGruppe(QStringLiteral("PASSrgpStorno"), QStringLiteral(" Behandlung von Stornierungen "),
                                     {QStringLiteral("überlesen"), QStringLiteral("mit negativem Wert bonifizieren")}, 2, tsh);
    l->addWidget(PASSrgpPosBon);
    l->addWidget(PASSrgpStorno);
    auto* zeile = new QGridLayout;
    auto* lblLaenge = new QLabel(QStringLiteral("Länge"), tsh);
    PASSedtLaenge = new TORVIntegerEdit(5, 99, 5, tsh);
    PASSedtLaenge->setObjectName(QStringLiteral("PASSedtLaenge"));
    lblLaenge->setBuddy(PASSedtLaenge);
    auto* lblKonto = new QLabel(QStringLiteral("Konto"), tsh);
    PASScmbKonto = new QComboBox(tsh);
    PASScmbKonto->setObjectName(QStringLiteral("PASScmbKonto"));
    lblKonto->setBuddy(PASScmbKonto);
    zeile->addWidget(lblLaenge, 0, 0);
    zeile->addWidget(PASSedtLaenge, 0, 1);
    zeile->addWidget(lblKonto, 0, 2);
    zeile->addWidget(PASScmbKonto, 0, 3);
    zeile->setColumnStretch(3, 1);
    l->addLayout(zeile);
    auto* scb = new QScrollArea(tsh);
    scb->setObjectName(QStringLiteral("PASSscbEintraege"));
    scb->setWidgetResizable(true);
    auto* flaeche = new QWidget(scb);
    raster_ = new QGridLayout(flaeche);
    raster_->addWidget(new QLabel(QStringLiteral("Beispiel"), flaeche), 0, 1);
    raster_->addWidget(new QLabel(QStringLiteral("Berechnungsvorschrift"), flaeche), 0, 2);
    raster_->addWidget(new QLabel(QStringLiteral("Bonus"), flaeche), 0, 4);
    raster_->setColumnStretch(2, 1);
    raster_->setRowStretch(200, 1);
    scb->setWidget(flaeche);
    l->addWidget(scb, 1);
    pgcPRPass->addTab(tsh, QStringLiteral("Einträge des Prämienpasses"));
    pgcPRPass->addTab(Selektion->tshKunde, Selektion->tshKunde->windowTitle());
    pgcPRPass->addTab(Selektion->tshVerkauf, Selektion->tshVerkauf->windowTitle());
    pgcPRPass->addTab(Selektion->tshGesamtdaten, Selektion->tshGesamtdaten->windowTitle());
    Inhalt()->addWidget(pgcPRPass, 1);

    connect(PASSedtLaenge, &QLineEdit::textChanged, this, [this] {
        PASS_ElementeAufbauen();
        PASS_ElementeFuellen();
    });
    KnoepfeBauen();
}

void TPassSeite::ListenFuellen() {
    KontenFuellen(dm_, PASScmbKonto);
    rechner_.BETAList_Fuellen(1);
    rechner_.Fuelle_Typ(regeln_, 1);
    for (auto& z : PASSTabelle) {
        const QString alt = z.cmbBerechn->currentText();
        z.cmbBerechn->clear();
        for (const auto& r : regeln_) z.cmbBerechn->addItem(QString::fromStdString(r));
        TextWaehlen(z.cmbBerechn, alt);
    }
}

void TPassSeite::PASS_ElementeAufbauen() {
    bool ok = false;
    int n = PASSedtLaenge->Text().toInt(&ok);
    if (!ok || n < 0) n = 0;
    while (int(PASSTabelle.size()) > n) {
        TPASSZeile& z = PASSTabelle.back();
        delete z.lblNr;
        delete z.lblWert;
        delete z.cmbBerechn;
        delete z.lblZuord;
        delete z.lblBonus;
        PASSTabelle.pop_back();
    }
    QWidget* f = raster_->parentWidget();
    auto* zufall = QRandomGenerator::global();
    while (int(PASSTabelle.size()) < n) {
        const int i = int(PASSTabelle.size());
        TPASSZeile z;
        z.lblNr = new QLabel(QStringLiteral("Eintrag %1").arg(i + 1), f);
        z.lblNr->setObjectName(QStringLiteral("PASSlblNr") + Index3(i));
        // A sample sale for the preview: whole number 0..999 times a fraction in [0, 1).
        z.lblWert = new QLabel(Betrag(zufall->bounded(1000) * zufall->generateDouble()), f);
        z.lblWert->setObjectName(QStringLiteral("PASSlblWert") + Index3(i));
        z.lblWert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        z.cmbBerechn = new QComboBox(f);
        z.cmbBerechn->setObjectName(QStringLiteral("PASScmbBerech") + Index3(i));
        for (const auto& r : regeln_) z.cmbBerechn->addItem(QString::fromStdString(r));
        z.cmbBerechn->setCurrentIndex(-1);
        connect(z.cmbBerechn, &QComboBox::currentIndexChanged, this, [this] { PASS_ElementeFuellen(); });
        z.lblZuord = new QLabel(QStringLiteral("->"), f);
        z.lblZuord->setObjectName(QStringLiteral("PASSlblZuord") + Index3(i));
        z.lblBonus = new QLabel(QStringLiteral("5,00"), f);
        z.lblBonus->setObjectName(QStringLiteral("PASSlblBonus") + Index3(i));
        z.lblBonus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        raster_->addWidget(z.lblNr, i + 1, 0);
        raster_->addWidget(z.lblWert, i + 1, 1);
        raster_->addWidget(z.cmbBerechn, i + 1, 2);
        raster_->addWidget(z.lblZuord, i + 1, 3);
        raster_->addWidget(z.lblBonus, i + 1, 4);
        PASSTabelle.push_back(z);
    }
}

void TPassSeite::PASS_ElementeFuellen() {
    try {
        for (auto& z : PASSTabelle) {
            const long double wert = kis::ui::ParseGermanNumber(z.lblWert->text().trimmed()).value_or(0.0);
            z.cmbBerechn->setEnabled(PASSedtLaenge->isEnabled());
            z.lblBonus->setText(Betrag(rechner_.BETABerechneWertByIndex(z.cmbBerechn->currentIndex(), wert)));
        }
    } catch (const std::exception& e) {
        Registrieren("_ElementeFuellen", e);
    }
}

void TPassSeite::FelderLeer() {
    PASSedtLaenge->Clear();
    PASSrgpPosBon->SetItemIndex(0);
    PASSrgpStorno->SetItemIndex(0);
    PASScmbKonto->setCurrentIndex(-1);
    PASS_ElementeAufbauen();
}

void TPassSeite::DatenGet(const TBetaSatz& satz) {
    PASSedtLaenge->SetText(QString::number(std::max(0, satz.Laenge)));
    PASSrgpPosBon->SetItemIndex(satz.Basis != "0" && !satz.Basis.empty() ? 1 : 0);
    // Stored without a cancellation handling: nothing selected, the user has to choose.
    PASSrgpStorno->SetItemIndex(satz.Storno.empty() ? -1 : satz.Storno != "0" ? 1 : 0);
    KontoWaehlen(dm_, PASScmbKonto, satz.Konto);
    PASS_ElementeAufbauen();
    // Rule names only when the content matches the length; a missing rule shows no choice.
    if (satz.Laenge > 0 && int(satz.Inhalt.size()) == satz.Laenge)
        for (size_t i = 0; i < PASSTabelle.size(); ++i)
            TextWaehlen(PASSTabelle[i].cmbBerechn, QString::fromStdString(satz.Inhalt[i]));
    PASS_ElementeFuellen();
}

void TPassSeite::DatenPut(TBetaSatz& satz) {
    satz.Laenge = int(PASSTabelle.size());
    satz.Basis = PASSrgpPosBon->ItemIndex() == 1 ? "1" : "0";
    satz.Storno = PASSrgpStorno->ItemIndex() == 1 ? "1" : "0";
    satz.Konto = KontoKuerzel(dm_, PASScmbKonto);
    satz.WertArt.clear();
    satz.RundungKz = 0;
    satz.RundungIntervall = 0;
    for (const auto& z : PASSTabelle) satz.Inhalt.push_back(z.cmbBerechn->currentText().toStdString());
}

QString TPassSeite::Pruefen() const {
    if (PASSrgpStorno->ItemIndex() < 0) return QStringLiteral("Bitte wählen Sie die Behandlung von Stornierungen.");
    if (PASSTabelle.empty()) return QStringLiteral("Ein Prämienpass braucht mindestens einen Eintrag (Länge 1 bis 99).");
    for (size_t i = 0; i < PASSTabelle.size(); ++i) {
        const QString regel = PASSTabelle[i].cmbBerechn->currentText();
        if (regel.isEmpty() || !TBetaStore::Lesen(CBonuTypen2Kuerzel(1), regel.toStdString()))
            return QStringLiteral("Bitte wählen Sie für Eintrag %1 eine Berechnungsvorschrift.").arg(i + 1);
    }
    return {};
}

void TPassSeite::ZustandsWechsel() {
    const bool edit = Bearbeitet();
    PASSedtLaenge->setEnabled(edit);
    PASSrgpPosBon->setEnabled(edit);
    PASSrgpStorno->setEnabled(edit);
    PASScmbKonto->setEnabled(edit);
    PASS_ElementeFuellen();
}
