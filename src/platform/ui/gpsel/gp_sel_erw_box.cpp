#include "platform/ui/gpsel/gp_sel_erw_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "platform/ui/mask_edit.h"
#include "platform/ui/neg_label.h"

namespace {
QCheckBox* Check(QWidget* parent, const char* name, const QString& caption) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QLatin1String(name));
    return c;
}
TORVMaskEdit* Edit(QWidget* parent, const char* name, int maxLen) {
    auto* e = new TORVMaskEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLen);
    return e;
}
}  // namespace

TGPSelErwBox::TGPSelErwBox(QWidget* parent)
    : TSelBox("GPSelErwBox", QStringLiteral("Erweitert"), parent) {
    auto* g = new QGridLayout(this);
    int row = 0;
    auto* status = new QComboBox(this);
    status->setObjectName(QStringLiteral("cmbKundeStatus"));
    for (const auto& item : Schema().Find("cmbKundeStatus")->items)
        status->addItem(QString::fromStdString(item));
    auto* statusLabel = new QLabel(QStringLiteral("&Kundenstatus"), this);
    statusLabel->setBuddy(status);
    g->addWidget(statusLabel, row, 0);
    g->addWidget(status, row++, 1, 1, 3);

    auto paar = [&](const QString& caption, const char* nein, const char* ja) {
        g->addWidget(new QLabel(caption, this), row, 0);
        g->addWidget(Check(this, nein, QStringLiteral("nein")), row, 1);
        g->addWidget(Check(this, ja, QStringLiteral("ja")), row++, 2);
    };
    paar(QStringLiteral("Werbung"), "chbWerbungNein", "chbWerbungJa");
    paar(QStringLiteral("Serienbrief"), "chbSerienbriefNein", "chbSerienbriefJa");
    paar(QStringLiteral("E-Mail vorhanden"), "chbEmailNein", "chbEmailJa");
    g->addWidget(Check(this, "chbKundeBonusNie",
                       QStringLiteral("Kunden, die noch nie einen Bonus erhalten haben")),
                 row++, 0, 1, 4);
    g->addWidget(Check(this, "chbAuchAnonymeKunden", QStringLiteral("auch anonyme Kunden")), row++,
                 0, 1, 4);

    auto text = [&](const char* label, const QString& caption, const char* edit) {
        auto* l = NegLabel(QLatin1String(label), caption);
        auto* e = Edit(this, edit, 60);
        l->Attach(e);
        g->addWidget(l, row, 0);
        g->addWidget(e, row++, 1, 1, 3);
    };
    text("lblTxtTelefon", QStringLiteral("&Telefon"), "edtTelefon");
    text("lblTxtEmail", QStringLiteral("E-&Mail"), "edtEmail");

    auto* bereich = NegLabel(QStringLiteral("lblTxtBereich"), QStringLiteral("&Bereich"));
    auto* art = new QComboBox(this);
    art->setObjectName(QStringLiteral("cmbBereich"));
    for (const auto& item : Schema().Find("cmbBereich")->items)
        art->addItem(QString::fromStdString(item));
    bereich->Attach(art);
    g->addWidget(bereich, row, 0);
    g->addWidget(art, row++, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("von"), this), row, 0, Qt::AlignRight);
    g->addWidget(Edit(this, "edtBereichVon", 40), row, 1);
    g->addWidget(new QLabel(QStringLiteral("bis"), this), row, 2);
    g->addWidget(Edit(this, "edtBereichBis", 40), row++, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    connect(art, &QComboBox::currentIndexChanged, this, [this] { AbhaengigeAktualisieren(); });
}

int TGPSelErwBox::StatusAusCombo(QComboBox* combo) const {
    if (!combo) return 0;
    const int i = combo->currentIndex();
    return i == 1 || i == 2 ? i : 0;
}

void TGPSelErwBox::StatusNachCombo(QComboBox* combo, int status) {
    if (!combo) return;
    if (status >= 0 && status < combo->count()) combo->setCurrentIndex(status);
}

std::vector<std::array<const char*, 3>> TGPSelErwBox::StatusTabelle() {
    return {{"cmbKundeStatus", "chbKundeAktiv", "chbKundePassiv"}};
}

// The range bounds mean something only when a range kind is chosen.
void TGPSelErwBox::AbhaengigeAktualisieren() {
    auto* art = findChild<QComboBox*>(QStringLiteral("cmbBereich"));
    const bool an = art && art->currentIndex() > 0;
    AbhaengigSetzen(QStringLiteral("edtBereichVon"), an, true);
    AbhaengigSetzen(QStringLiteral("edtBereichBis"), an, true);
}
