#include "bonus/beta_seite.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_program.h"
#include "platform/ui/mask_edit.h"

namespace {

constexpr const char* kOffen = "9999999,99";

QString Index3(int i) { return QString::asprintf("%.3d", i); }

int64_t Hundertstel(const QString& text) {
    int64_t v = 0;
    return DezimalZuHundertstel(text.toStdString(), v) ? v : 0;
}

}  // namespace

TBetaSeite::TBetaSeite(TBonusRechner& rechner, TDM* dm, QWidget* parent)
    : TProgrammSeite(QStringLiteral("BETA"), 1, rechner, dm, parent) {
    waehrung_ = QString::fromStdString(ORVProgramm().GetWaehrung());

    auto* kopf = new QGridLayout;
    auto* lblLaenge = new QLabel(QStringLiteral("Länge"), this);
    BETAedtLaenge = new TORVIntegerEdit(5, 99, 5, this);
    BETAedtLaenge->setObjectName(QStringLiteral("BETAedtLaenge"));
    lblLaenge->setBuddy(BETAedtLaenge);
    kopf->addWidget(lblLaenge, 0, 0);
    kopf->addWidget(BETAedtLaenge, 0, 1);

    BETArgpAbs = new QRadioButton(QStringLiteral("Absolutwerte"), this);
    BETArgpAbs->setObjectName(QStringLiteral("BETArgpAbs"));
    BETARgpProz = new QRadioButton(QStringLiteral("Anteil vom Ursprungswert"), this);
    BETARgpProz->setObjectName(QStringLiteral("BETARgpProz"));
    auto* wertArt = new QButtonGroup(this);
    wertArt->addButton(BETArgpAbs);
    wertArt->addButton(BETARgpProz);
    BETARgpProz->setChecked(true);
    kopf->addWidget(BETARgpProz, 1, 0, 1, 2);
    kopf->addWidget(BETArgpAbs, 2, 0, 1, 2);

    BETArgpRunden = new QGroupBox(QStringLiteral(" Rundungsvorschrift "), this);
    BETArgpRunden->setObjectName(QStringLiteral("BETArgpRunden"));
    auto* rl = new QGridLayout(BETArgpRunden);
    grpRunden = new QButtonGroup(this);
    const char* regeln[4] = {"exakt", "runden", "aufrunden", "abrunden"};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(regeln[i]), BETArgpRunden);
        b->setObjectName(QStringLiteral("BETArgpRunden") + QString::number(i));
        grpRunden->addButton(b, i);
        rl->addWidget(b, i / 2, i % 2);
    }
    grpRunden->button(0)->setChecked(true);
    kopf->addWidget(BETArgpRunden, 0, 2, 3, 1);
    auto* lblDelta = new QLabel(QStringLiteral("Größe des Berechnungsintervalles beim Runden \r\n(Betrag z.B. in Schritten zu 5,00 EUR berechnen)"), this);
    BETAedtRundungsDelta = new TORVFloatEdit(13, 2, 9999999999.99, this);
    BETAedtRundungsDelta->setObjectName(QStringLiteral("BETAedtRundungsDelta"));
    lblDelta->setBuddy(BETAedtRundungsDelta);
    kopf->addWidget(lblDelta, 3, 0, 1, 3);
    kopf->addWidget(BETAedtRundungsDelta, 4, 0, 1, 2);
    Inhalt()->addLayout(kopf);

    auto* scb = new QScrollArea(this);
    scb->setObjectName(QStringLiteral("scbBerechnung"));
    scb->setWidgetResizable(true);
    auto* flaeche = new QWidget(scb);
    raster_ = new QGridLayout(flaeche);
    raster_->addWidget(new QLabel(QStringLiteral("Staffelung des Umsatzes"), flaeche), 0, 0, 1, 3);
    raster_->addWidget(new QLabel(QStringLiteral("Bonus"), flaeche), 0, 4, 1, 2);
    raster_->setRowStretch(200, 1);
    scb->setWidget(flaeche);
    Inhalt()->addWidget(scb, 1);

    connect(BETAedtLaenge, &QLineEdit::textChanged, this, [this] {
        BETA_ElementeAufbauen();
        BETA_ElementeFuellen();
    });
    connect(BETArgpAbs, &QRadioButton::clicked, this, [this] { AbsClick(); });
    connect(BETARgpProz, &QRadioButton::clicked, this, [this] { ProzClick(); });
    connect(grpRunden, &QButtonGroup::idClicked, this, [this] { RundenClick(); });
    KnoepfeBauen();
}

TBetaSeite::~TBetaSeite() = default;

int TBetaSeite::RundungKz() const { return std::max(0, grpRunden->checkedId()); }

void TBetaSeite::SetRundungKz(int kz) {
    if (auto* b = grpRunden->button(kz >= 0 && kz <= 3 ? kz : 0)) b->setChecked(true);
}

void TBetaSeite::BonusEditBauen(TBETAZeile& z, bool prozent, int row) {
    const QString alt = z.edtBonus ? z.edtBonus->Text() : QString();
    delete z.edtBonus;
    z.edtBonus = prozent ? new TORVFloatEdit(5, 2, 99.99, raster_->parentWidget())
                         : new TORVFloatEdit(12, 2, 999999999.99, raster_->parentWidget());
    z.edtBonus->setObjectName(QStringLiteral("BETAedtBonus") + Index3(row));
    z.edtBonus->SetText(alt);
    z.prozent = prozent;
    raster_->addWidget(z.edtBonus, row + 1, 4);
}

void TBetaSeite::BETA_ElementeAufbauen() {
    bool ok = false;
    int n = BETAedtLaenge->Text().toInt(&ok);
    if (!ok || n < 0) n = 0;
    while (int(BETATabelle.size()) > n) {
        TBETAZeile& z = BETATabelle.back();
        delete z.lblWertVon;
        delete z.edtWertBis;
        delete z.lblWertWH;
        delete z.lblZuord;
        delete z.edtBonus;
        delete z.lblBonus;
        BETATabelle.pop_back();
    }
    QWidget* f = raster_->parentWidget();
    while (int(BETATabelle.size()) < n) {
        const int i = int(BETATabelle.size());
        TBETAZeile z;
        z.lblWertVon = new QLabel(QStringLiteral("0,00 ") + waehrung_ + QStringLiteral(" bis"), f);
        z.lblWertVon->setObjectName(QStringLiteral("BETAlblWertVon") + Index3(i));
        z.lblWertVon->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        z.edtWertBis = new TORVFloatEdit(12, 2, 999999999.99, f);
        z.edtWertBis->setObjectName(QStringLiteral("BETAedtWertBis") + Index3(i));
        connect(z.edtWertBis, &QLineEdit::editingFinished, this, [this] { BETA_ElementeFuellen(); });
        z.lblWertWH = new QLabel(waehrung_, f);
        z.lblWertWH->setObjectName(QStringLiteral("BETAlblWertWH") + Index3(i));
        z.lblZuord = new QLabel(QStringLiteral("->"), f);
        z.lblZuord->setObjectName(QStringLiteral("BETAlblZuord") + Index3(i));
        z.lblBonus = new QLabel(waehrung_, f);
        z.lblBonus->setObjectName(QStringLiteral("BETAlblBonus") + Index3(i));
        raster_->addWidget(z.lblWertVon, i + 1, 0);
        raster_->addWidget(z.edtWertBis, i + 1, 1);
        raster_->addWidget(z.lblWertWH, i + 1, 2);
        raster_->addWidget(z.lblZuord, i + 1, 3);
        raster_->addWidget(z.lblBonus, i + 1, 5);
        BonusEditBauen(z, BETARgpProz->isChecked(), i);
        BETATabelle.push_back(z);
    }
}

void TBetaSeite::BETA_ElementeFuellen() {
    int64_t von = 0;
    const bool editierbar = BETAedtLaenge->isEnabled();
    const bool prozent = BETARgpProz->isChecked();
    for (size_t i = 0; i < BETATabelle.size(); ++i) {
        TBETAZeile& z = BETATabelle[i];
        if (z.prozent != prozent) BonusEditBauen(z, prozent, int(i));
        if (i + 1 == BETATabelle.size()) z.edtWertBis->SetText(QString::fromLatin1(kOffen));
        z.edtWertBis->setEnabled(editierbar && i + 1 < BETATabelle.size());
        z.edtBonus->setEnabled(editierbar);
        z.lblWertVon->setText(QString::fromStdString(kis::services::FormatNumber("%9.2n ", von / 100.0L)) +
                              waehrung_ + QStringLiteral(" bis"));
        von = Hundertstel(z.edtWertBis->Text()) + 1;
        z.lblBonus->setText(prozent ? QStringLiteral("% vom Berechnungswert") : waehrung_ + QStringLiteral(" / %"));
    }
}

void TBetaSeite::AbsClick() {
    if (!BETArgpAbs->isEnabled()) return;
    BETArgpAbs->setChecked(true);
    BETArgpRunden->setEnabled(false);
    BETAedtRundungsDelta->setEnabled(false);
    BETAedtRundungsDelta->Clear();
    BETA_ElementeFuellen();
}

void TBetaSeite::ProzClick() {
    if (!BETARgpProz->isEnabled()) return;
    BETARgpProz->setChecked(true);
    BETArgpRunden->setEnabled(true);
    SetRundungKz(0);
    BETAedtRundungsDelta->setEnabled(false);
    BETAedtRundungsDelta->Clear();
    BETA_ElementeFuellen();
}

void TBetaSeite::RundenClick() {
    const bool exakt = RundungKz() == 0;
    BETAedtRundungsDelta->setEnabled(!exakt && BETAedtLaenge->isEnabled());
    if (exakt) BETAedtRundungsDelta->Clear();
    BETA_ElementeFuellen();
}

std::vector<std::string> TBetaSeite::InhaltZeilen() const {
    std::vector<std::string> out;
    // Written with decimal comma and two decimals, whatever was typed.
    for (const auto& z : BETATabelle)
        out.push_back(HundertstelZuText(Hundertstel(z.edtWertBis->Text())) + "=" +
                      HundertstelZuText(Hundertstel(z.edtBonus->Text())));
    return out;
}

void TBetaSeite::FelderLeer() {
    BETAedtLaenge->Clear();
    BETARgpProz->setChecked(true);
    SetRundungKz(0);
    BETAedtRundungsDelta->Clear();
    BETA_ElementeAufbauen();
}

void TBetaSeite::DatenGet(const TBetaSatz& satz) {
    (satz.WertArt == "P" ? BETARgpProz : BETArgpAbs)->setChecked(true);
    SetRundungKz(satz.RundungKz);
    BETAedtRundungsDelta->SetText(satz.RundungIntervall > 0
                                      ? QString::fromStdString(HundertstelZuText(std::llround(satz.RundungIntervall * 100)))
                                      : QString());
    BETAedtLaenge->SetText(QString::number(std::max(0, satz.Laenge)));
    BETA_ElementeAufbauen();
    // A content that disagrees with the length leaves the rows empty.
    if (satz.Laenge > 0 && int(satz.Inhalt.size()) == satz.Laenge) {
        for (size_t i = 0; i < BETATabelle.size(); ++i) {
            const QString line = QString::fromStdString(satz.Inhalt[i]);
            const int eq = int(line.indexOf(QLatin1Char('=')));
            BETATabelle[i].edtWertBis->SetText(line.left(eq));
            BETATabelle[i].edtBonus->SetText(eq < 0 ? QString() : line.mid(eq + 1));
        }
    }
    BETA_ElementeFuellen();
}

void TBetaSeite::DatenPut(TBetaSatz& satz) {
    satz.WertArt = BETARgpProz->isChecked() ? "P" : "A";
    satz.RundungKz = satz.WertArt == "P" ? RundungKz() : 0;
    satz.RundungIntervall = satz.RundungKz == 0 ? 0 : Hundertstel(BETAedtRundungsDelta->Text()) / 100.0;
    satz.Laenge = int(BETATabelle.size());
    satz.Inhalt = InhaltZeilen();
}

QString TBetaSeite::Pruefen() const {
    int64_t vorher = -1;
    for (size_t i = 0; i + 1 < BETATabelle.size(); ++i) {
        const int64_t bis = Hundertstel(BETATabelle[i].edtWertBis->Text());
        if (bis <= vorher || bis <= 0)
            return QStringLiteral("Die Obergrenzen der Staffel müssen von Zeile zu Zeile steigen (Zeile %1).").arg(i + 1);
        vorher = bis;
    }
    return {};
}

void TBetaSeite::ZustandsWechsel() {
    const bool edit = Bearbeitet();
    BETAedtLaenge->setEnabled(edit);
    BETArgpAbs->setEnabled(edit);
    BETARgpProz->setEnabled(edit);
    BETArgpRunden->setEnabled(edit && BETARgpProz->isChecked());
    BETAedtRundungsDelta->setEnabled(edit && BETARgpProz->isChecked() && RundungKz() != 0);
    BETA_ElementeFuellen();
}

QString TBetaSeite::LoeschenVerweigert(const QString& name) const {
    const auto nutzer = TBetaStore::ProgrammeMitRegel(name.toStdString());
    if (nutzer.empty()) return {};
    QString text = QStringLiteral("Die Berechnungsvorschrift \"%1\" wird von diesen Bonusprogrammen verwendet und kann nicht gelöscht werden:").arg(name);
    for (const auto& n : nutzer) text += QStringLiteral("\n") + QString::fromStdString(n);
    return text;
}
