#include "platform/ui/gpsel/gp_sel_adr_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "platform/ui/mask_edit.h"
#include "platform/ui/neg_label.h"

namespace {
TORVMaskEdit* Edit(QWidget* parent, const char* name, int maxLen) {
    auto* e = new TORVMaskEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLen);
    return e;
}
QComboBox* Combo(QWidget* parent, const char* name, const kis::selbox::BoxSchema& s,
                 bool editierbar) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    for (const auto& item : s.Find(name)->items) c->addItem(QString::fromStdString(item));
    c->setEditable(editierbar);
    return c;
}
}  // namespace

TGPSelAdrBox::TGPSelAdrBox(QWidget* parent)
    : TSelBox("GPSelAdrBox", QStringLiteral("Adresse"), parent) {
    auto* g = new QGridLayout(this);
    int row = 0;
    auto zeile = [&](const char* label, const QString& caption, QWidget* w) {
        auto* l = NegLabel(QLatin1String(label), caption);
        l->Attach(w);
        g->addWidget(l, row, 0);
        g->addWidget(w, row++, 1, 1, 3);
    };
    zeile("lblTxtName", QStringLiteral("&Name"), Edit(this, "edtName", 60));
    zeile("lblTxtVorname", QStringLiteral("&Vorname"), Edit(this, "edtVorname", 60));
    zeile("lblTxtStrasse", QStringLiteral("&Straße"), Edit(this, "edtStrasse", 60));

    auto* plz = NegLabel(QStringLiteral("lblTxtPlz"), QStringLiteral("&PLZ von"));
    auto* plzVon = Edit(this, "edtPlzVon", 10);
    auto* plzBis = Edit(this, "edtPlzBis", 10);
    plz->Attach(plzVon);
    g->addWidget(plz, row, 0);
    g->addWidget(plzVon, row, 1);
    g->addWidget(new QLabel(QStringLiteral("bis"), this), row, 2);
    g->addWidget(plzBis, row++, 3);

    zeile("lblTxtOrt", QStringLiteral("&Ort"), Edit(this, "edtOrt", 60));
    zeile("lblTxtLand", QStringLiteral("&Land"), Combo(this, "cmbLand", Schema(), true));

    auto* such = new QLabel(QStringLiteral("S&uchname"), this);
    auto* suchModus = Combo(this, "cmbSuchname", Schema(), false);
    such->setBuddy(suchModus);
    g->addWidget(such, row, 0);
    g->addWidget(suchModus, row, 1);
    g->addWidget(Edit(this, "edtSuchname", 60), row++, 2, 1, 2);

    zeile("lblTxtGeschlecht", QStringLiteral("&Geschlecht"),
          Combo(this, "cmbGeschlecht", Schema(), false));
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
}
