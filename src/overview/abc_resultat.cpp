#include "overview/abc_resultat.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <exception>

#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"

namespace {

TfrmABCResultat* gInstanz = nullptr;

// "%n": German number with thousands separators and two decimals.
QString N(long double v) { return QString::fromStdString(kis::services::FormatNumber("%n", v)); }

QString Absatz(const char* gruppe, int32_t anzahl, long double anzahlRel, long double summe, long double summeRel,
               const QString& waehrung) {
    return QStringLiteral("Der Gruppe %1 wurden %2 Kunden zugeordnet (%3%).\n"
                          "Dieser Gruppe entspricht ein Umsatz von %4 %5 (%6%).")
        .arg(QString::fromUtf8(gruppe), QString::number(anzahl), N(anzahlRel * 100), N(summe), waehrung,
             N(summeRel * 100));
}

}  // namespace

TfrmABCResultat* TfrmABCResultat::Instanz() { return gInstanz; }

QString TfrmABCResultat::ErgebnisText(const TABCInfoRecord& i, const QString& waehrung) {
    return Absatz("A", i.AAnzahlAbs, i.AAnzahlRel, i.ASummeAbs, i.ASummeRel, waehrung) + "\n\n" +
           Absatz("B", i.BAnzahlAbs, i.BAnzahlRel, i.BSummeAbs, i.BSummeRel, waehrung) + "\n\n" +
           Absatz("C", i.CAnzahlAbs, i.CAnzahlRel, i.CSummeAbs, i.CSummeRel, waehrung);
}

TfrmABCResultat::TfrmABCResultat(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmABCResultat"));
    setWindowTitle(QStringLiteral("Ergebnis"));
    // Created without a parent at program start: closing it must not end the program while
    // the main window is hidden behind the overview.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* haupt = new QVBoxLayout(this);
    lblText = new QLabel(this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setWordWrap(true);
    lblText->setMinimumWidth(460);
    lblText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    haupt->addWidget(lblText, 1);

    // The footer places the button itself: centred, whatever the width.
    pnlFuss = new QWidget(this);
    pnlFuss->setObjectName(QStringLiteral("pnlFuss"));
    btnOK = new QPushButton(QStringLiteral("OK"), pnlFuss);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    pnlFuss->setMinimumHeight(btnOK->sizeHint().height() + 8);
    haupt->addWidget(pnlFuss);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    if (!gInstanz) gInstanz = this;
}

TfrmABCResultat::~TfrmABCResultat() {
    if (gInstanz == this) gInstanz = nullptr;
}

void TfrmABCResultat::showEvent(QShowEvent* event) {
    try {
        lblText->setText(ErgebnisText(FABCInfo, QString::fromStdString(ORVProgramm().GetWaehrung())));
        adjustSize();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TfrmABCResultat.FormShow", e, 1);
    }
    QDialog::showEvent(event);
    btnOK->setFocus();
}

void TfrmABCResultat::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    btnOK->move(pnlFuss->width() / 2 - btnOK->width() / 2, 4);
}
