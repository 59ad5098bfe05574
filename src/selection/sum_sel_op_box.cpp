#include "selection/sum_sel_op_box.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "platform/ui/check_list_box.h"
#include "selection/box_bau.h"

using namespace kis::selection;

TSumSelOPBox::TSumSelOPBox(QWidget* parent)
    : TSelBox("SumSelOPBox", QStringLiteral("Offene Posten"), parent) {
    auto* g = new QGridLayout(this);
    auto* titel =
        Benannt(new QLabel(QStringLiteral("Folgende offene Posten müssen vorhanden sein:"), this),
                "lblTxtOPTypen");
    g->addWidget(titel, 0, 0, 1, 5);
    chbOPTypen = CheckList(QStringLiteral("chbOPTypen"), 3, false);
    chbOPTypen->setMinimumHeight(70);
    titel->setBuddy(chbOPTypen);
    g->addWidget(chbOPTypen, 1, 0, 2, 5);
    auto* ein = Benannt(new QPushButton(QStringLiteral("Alle auswählen"), this), "spbAlleEin");
    auto* ums = Benannt(new QPushButton(QStringLiteral("Auswahl umkehren"), this), "spbAlleUms");
    g->addWidget(ein, 1, 5, 1, 2);
    g->addWidget(ums, 2, 5, 1, 2);
    connect(ein, &QPushButton::clicked, this, &TSumSelOPBox::spbAlleEinClick);
    connect(ums, &QPushButton::clicked, this, &TSumSelOPBox::spbAlleUmsClick);

    auto* von = Benannt(new TORVDateEdit(this), "edtDatumVon");
    auto* bis = Benannt(new TORVDateEdit(this), "edtDatumBis");
    PaarZeile(g, 3, NegLabel(QStringLiteral("lblTxtDatum"), QStringLiteral("&Datum")),
              QStringLiteral("von"), MitKalender(this, von, "spbDatumVon"), QStringLiteral("bis"),
              MitKalender(this, bis, "spbDatumBis"));
    PaarZeile(g, 4, NegLabel(QStringLiteral("lblTxtOPSum"), QStringLiteral("S&umme")),
              QStringLiteral("min."),
              Benannt(new TORVFloatEdit(12, 2, 999999999.99, this), "edtOPSumMin"),
              QStringLiteral("max."),
              Benannt(new TORVFloatEdit(12, 2, 999999999.99, this), "edtOPSumMax"));

    auto* bonus = Benannt(new QGroupBox(QStringLiteral(" Angaben zum Bonus "), this), "grpOPBonus");
    auto* bg = new QGridLayout(bonus);
    bg->addWidget(Benannt(new QCheckBox(QStringLiteral("abgeschlossen"), bonus), "chbBonusAbg"), 0,
                  1, 1, 2);
    bg->addWidget(
        Benannt(new QCheckBox(QStringLiteral("nicht abgeschlossen"), bonus), "chbBonusNichtAbg"), 0,
        3, 1, 2);
    auto* len = NegLabel(QStringLiteral("lblTxtBonusAktLen"), QStringLiteral("Anz. &Einträge "));
    len->setParent(bonus);
    PaarZeile(bg, 1, len, QStringLiteral("min."),
              Benannt(new TORVIntegerEdit(9, 999999999, 12, bonus), "edtBonusAktLenMin"),
              QStringLiteral("max."),
              Benannt(new TORVIntegerEdit(9, 999999999, 12, bonus), "edtBonusAktLenMax"));
    bg->setColumnStretch(2, 1);
    bg->setColumnStretch(4, 1);
    g->addWidget(bonus, 5, 0, 1, 7);
    g->setColumnStretch(2, 1);
    g->setColumnStretch(4, 1);
}

void TSumSelOPBox::Init() {
    chbOPTypen->ClearItems();
    for (const auto& [caption, key] : kis::selbox::OPTypen())
        chbOPTypen->AddItem(QString::fromStdString(caption), QString::fromStdString(key));
}

void TSumSelOPBox::spbAlleEinClick() {
    if (chbOPTypen->isEnabled()) chbOPTypen->CheckAll(true);
}

void TSumSelOPBox::spbAlleUmsClick() {
    if (chbOPTypen->isEnabled()) chbOPTypen->InvertAll();
}

TSumSelEVBox::TSumSelEVBox(QWidget* parent)
    : TSelBox("SumSelEVBox", QStringLiteral("Erledigte Vorgänge"), parent) {}
