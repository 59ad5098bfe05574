#include "selection/sum_sel_vk_box.h"

#include <QCheckBox>

#include "selection/box_bau.h"

using namespace kis::selection;

TSumSelVkBox::TSumSelVkBox(QWidget* parent)
    : TSelBox("SumSelVkBox", QStringLiteral("Summe Verkäufe"), parent) {
    auto* g = new QGridLayout(this);
    auto menge = [&](int row, const char* label, const QString& caption, const char* min,
                     const char* max) {
        PaarZeile(g, row, NegLabel(QLatin1String(label), caption), QStringLiteral("min."),
                  Benannt(new TORVIntegerEdit(9, 999999999, 0, this), min), QStringLiteral("max."),
                  Benannt(new TORVIntegerEdit(9, 999999999, 0, this), max));
    };
    auto wert = [&](int row, const char* label, const QString& caption, const char* min,
                    const char* max) {
        PaarZeile(g, row, NegLabel(QLatin1String(label), caption), QStringLiteral("min."),
                  Benannt(new TORVFloatEdit(12, 2, 999999999.99, this), min),
                  QStringLiteral("max."),
                  Benannt(new TORVFloatEdit(12, 2, 999999999.99, this), max));
    };
    menge(0, "lblTxtSelSumMenge", QStringLiteral("sel. Summe &Menge"), "edtSelSumMengeMin",
          "edtSelSumMengeMax");
    wert(1, "lblTxtSelSumWert", QStringLiteral("sel. Summe &Wert"), "edtSelSumWertMin",
         "edtSelSumWertMax");
    auto* gesamt = Benannt(
        new QCheckBox(QStringLiteral("&Gesamtumsatz des Kunden soll berechnet werden"), this),
        "chbBerechneGesamt");
    g->addWidget(gesamt, 2, 0, 1, 5);
    menge(3, "lblTxtGesSumMenge", QStringLiteral("ges. Summe M&enge"), "edtGesSumMengeMin",
          "edtGesSumMengeMax");
    wert(4, "lblTxtGesSumWert", QStringLiteral("ges. Summe W&ert"), "edtGesSumWertMin",
         "edtGesSumWertMax");
    g->setColumnStretch(2, 1);
    g->setColumnStretch(4, 1);
    connect(gesamt, &QCheckBox::toggled, this, [this] { chbBerechneGesamtClick(); });
}

void TSumSelVkBox::AbhaengigeAktualisieren() {
    const auto* gesamt = findChild<QCheckBox*>(QStringLiteral("chbBerechneGesamt"));
    const bool an = gesamt && gesamt->isChecked();
    for (const char* name : {"lblTxtGesSumMenge", "edtGesSumMengeMin", "edtGesSumMengeMax",
                             "lblTxtGesSumWert", "edtGesSumWertMin", "edtGesSumWertMax"})
        AbhaengigSetzen(QLatin1String(name), an, true);
}
