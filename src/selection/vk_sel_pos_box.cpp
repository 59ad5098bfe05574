#include "selection/vk_sel_pos_box.h"

#include <QCheckBox>

#include "platform/articles/auswahl_listen.h"
#include "platform/services/orv_info.h"
#include "platform/ui/saison_edit.h"
#include "selection/auswahl_dialog.h"
#include "selection/box_bau.h"

using namespace kis::selection;

namespace {
TORVMaskEdit* TextEdit(QWidget* parent, const char* name, int maxLen = 256) {
    auto* e = Benannt(new TORVMaskEdit(parent), name);
    e->setMaxLength(maxLen);
    return e;
}
QToolButton* Knopf(QWidget* parent, const char* name, const QString& hint) {
    auto* b = Benannt(new QToolButton(parent), name);
    b->setText(QStringLiteral("…"));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
}  // namespace

TVkSelPosBox::TVkSelPosBox(QWidget* parent)
    : TSelBox("VkSelPosBox", QStringLiteral("Artikel"), parent) {
    auto* g = new QGridLayout(this);
    int row = 0;
    EinzelZeile(g, row++,
                NegLabel(QStringLiteral("lblTxtArtikelNr"), QStringLiteral("&Artikelnummer")),
                TextEdit(this, "edtArtikelNr", 40));
    EinzelZeile(g, row++, NegLabel(QStringLiteral("lblTxtVarianten"), QStringLiteral("Va&rianten")),
                TextEdit(this, "edtVarianten"));

    auto* lief = Benannt(new TORVMaskEdit(QStringLiteral("cccc;0"), true, this), "edtLieferant");
    auto* spbLief = Knopf(this, "spbLieferant", QStringLiteral("Lieferantensuche starten ..."));
    lief->OnEingabehilfe = [this] { spbLieferantClick(); };
    connect(spbLief, &QToolButton::clicked, this, &TVkSelPosBox::spbLieferantClick);
    EinzelZeile(g, row++, NegLabel(QStringLiteral("lblTxtLieferant"), QStringLiteral("&Lieferant")),
                lief, spbLief);

    auto* saison = Benannt(new TORVSaisonEdit(this), "edtSaison");
    saison->OnSaisonAuswahl = [this](const QStringList& aktuell) -> std::optional<QStringList> {
        QStringList codes;
        for (const std::string& k : SaisonKuerzelListe()) codes << QString::fromStdString(k);
        TAuswahlDialog d(QStringLiteral("Saisonauswahl"), codes, codes, true, this);
        d.Vorwahl(aktuell);
        return d.Ausfuehren();
    };
    auto* spbSaison = Knopf(this, "spbSaison", QStringLiteral("Saisonauswahl"));
    connect(spbSaison, &QToolButton::clicked, this, &TVkSelPosBox::spbSaisonClick);
    EinzelZeile(g, row++, NegLabel(QStringLiteral("lblTxtSaison"), QStringLiteral("Sai&son")),
                saison, spbSaison);

    EinzelZeile(g, row++, NegLabel(QStringLiteral("lblTxtVkKz"), QStringLiteral("Vk&Kz")),
                TextEdit(this, "edtVkKz"));

    // Article groups are not offered; the controls exist for stored presets.
    auto* gruLabel = NegLabel(QStringLiteral("lblTxtArtikelGru"), QStringLiteral("Artikelgruppen"));
    auto* gruText = Benannt(new QLabel(this), "lblArtikelGru");
    auto* gruKnopf = Knopf(this, "spgArtikelGru", QString());
    gruLabel->hide();
    gruText->hide();
    gruKnopf->hide();

    PaarZeile(g, row++, NegLabel(QStringLiteral("lblTxtIstVk"), QStringLiteral("&IstVk")),
              QStringLiteral("min."),
              Benannt(new TORVFloatEdit(12, 2, 999999999.99, this), "edtIstVkMin"),
              QStringLiteral("max."),
              Benannt(new TORVFloatEdit(12, 2, 999999999.99, this), "edtIstVkMax"));

    auto check = [&](const char* name, const QString& caption) {
        return Benannt(new QCheckBox(caption, this), name);
    };
    g->addWidget(check("chbNichtReduzVk", QStringLiteral("nicht reduzierte Verkäufe")), row, 1, 1,
                 2);
    auto* reduz = check("chbReduzVk", QStringLiteral("reduzierte Verkäufe"));
    g->addWidget(reduz, row++, 3, 1, 2);
    g->addWidget(check("chbReduzVkIGRS", QStringLiteral("IstVk = red. SollVk")), row, 3, 1, 2);
    ++row;
    g->addWidget(check("chbReduzVkIKRS", QStringLiteral("IstVk < red. SollVk")), row++, 3, 1, 2);
    connect(reduz, &QCheckBox::toggled, this, [this] { chbReduzVkClick(); });

    PaarZeile(
        g, row++, NegLabel(QStringLiteral("lblTxtNachlass"), QStringLiteral("&Nachlass in %")),
        QStringLiteral("min."), Benannt(new TORVFloatEdit(6, 2, 100.0, this), "edtNachlassMin"),
        QStringLiteral("max."), Benannt(new TORVFloatEdit(6, 2, 100.0, this), "edtNachlassMax"));
    g->addWidget(
        check("chbNichtBonusVerrechnet", QStringLiteral("noch nicht für Bonus verrechnet")), row, 1,
        1, 2);
    g->addWidget(check("chbBonusVerrechnet", QStringLiteral("bereits für Bonus verrechnet")), row++,
                 3, 1, 2);
    g->setColumnStretch(2, 1);
    g->setColumnStretch(4, 1);
}

void TVkSelPosBox::AbhaengigeAktualisieren() {
    const auto* reduz = findChild<QCheckBox*>(QStringLiteral("chbReduzVk"));
    const bool an = reduz && reduz->isChecked();
    for (const char* name :
         {"chbReduzVkIGRS", "chbReduzVkIKRS", "edtNachlassMin", "edtNachlassMax"})
        AbhaengigSetzen(QLatin1String(name), an, true);
}

void TVkSelPosBox::spbLieferantClick() {
    try {
        auto* edit = findChild<TORVMaskEdit*>(QStringLiteral("edtLieferant"));
        if (!edit || !edit->isEnabled()) return;
        std::optional<int> nr;
        if (OnLieferantSuche) {
            nr = OnLieferantSuche();
        } else {
            QStringList texte, keys;
            for (const TLieferantEintrag& l : LieferantenListe()) {
                texte << QStringLiteral("%1  %2  %3")
                             .arg(l.Nr, 4)
                             .arg(QString::fromStdString(l.Kurzname),
                                  QString::fromStdString(l.Name));
                keys << QString::number(l.Nr);
            }
            TAuswahlDialog d(QStringLiteral("Lieferantensuche"), texte, keys, false, this);
            d.Vorwahl({edit->Text().trimmed().isEmpty() ? QString()
                                                        : QString::number(edit->Text().toInt())});
            if (const auto wahl = d.Ausfuehren(); wahl && !wahl->isEmpty())
                nr = wahl->front().toInt();
        }
        if (nr) edit->SetText(QString::number(*nr));
        edit->setFocus();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TVkSelPosBox.spbLieferantClick", e, 1);
    }
}

void TVkSelPosBox::spbSaisonClick() {
    auto* edit = findChild<TORVSaisonEdit*>(QStringLiteral("edtSaison"));
    if (edit && edit->isEnabled()) edit->DoSaisonAuswahl();
}
