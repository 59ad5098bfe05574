#include "bonus/bonus_man_eing.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dm.h"
#include "bonus/radio_gruppe.h"
#include "platform/bonus/coupon_typen.h"
#include "platform/services/form_store.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/services/orv_utils.h"
#include "platform/ui/calendar_dialog.h"
#include "platform/ui/customer/kund_eing_dialog.h"
#include "platform/ui/german_format.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/std_button.h"

namespace {

Tfrmbonusmaneing* gInstanz = nullptr;

// The amount is kept between uses under this mask of the dialog's store.
const char* kMaske = "(zuletzt)";
const char* kBetragProperty = "edtBetrag.Text";

QFrame* Zeile(QWidget* parent, QVBoxLayout* spalte, const char* name, const QString& caption,
              std::initializer_list<QWidget*> controls) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    auto* l = new QHBoxLayout(panel);
    l->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption, panel);
    label->setMinimumWidth(140);
    l->addWidget(label);
    for (QWidget* c : controls) {
        c->setParent(panel);
        l->addWidget(c);
    }
    if (controls.size() > 0) label->setBuddy(*controls.begin());
    l->addStretch(1);
    spalte->addWidget(panel);
    return panel;
}

}  // namespace

Tfrmbonusmaneing* Tfrmbonusmaneing::Instanz() {
    return gInstanz;
}

Tfrmbonusmaneing::Tfrmbonusmaneing(QWidget* parent, TDM* dm) : QDialog(parent), dm_(dm ? dm : DM()) {
    if (!gInstanz) gInstanz = this;
    setObjectName(QStringLiteral("frmbonusmaneing"));
    setWindowTitle(QStringLiteral("Bonus manuell vergeben - ") +
                   QString::fromStdString(ORVProgramm().GetTextMandant()));
    store_ = std::make_unique<kis::services::FormStore>(
        kis::services::FormStoreSlot{"MEROVA", "DEU", "BONUMANE", "0"});

    auto* haupt = new QVBoxLayout(this);
    rgrpBonusArt = new TRadioGruppe(QStringLiteral("rgrpBonusArt"), QStringLiteral("Bonus oder Rabattschein?"),
                                    {QStringLiteral("Bonus"), QStringLiteral("Rabattschein")}, 2, this);
    haupt->addWidget(rgrpBonusArt);

    edtKunde = new QLineEdit(this);
    edtKunde->setObjectName(QStringLiteral("edtKunde"));
    edtKunde->setReadOnly(true);
    edtKunde->setMinimumWidth(260);
    btnGepSel = new QToolButton(this);
    btnGepSel->setObjectName(QStringLiteral("btnGepSel"));
    btnGepSel->setText(QStringLiteral("…"));
    btnGepSel->setToolTip(QStringLiteral("Suche nach Geschäftspartner"));
    pnlKunde = Zeile(this, haupt, "pnlKunde", QStringLiteral("Kunde"), {edtKunde, btnGepSel});

    edtBetrag = new TORVFloatEdit(12, 2, 9999999.99, this);
    edtBetrag->setObjectName(QStringLiteral("edtBetrag"));
    lblWaehrungBetrag = new QLabel(this);
    lblWaehrungBetrag->setObjectName(QStringLiteral("lblWaehrungBetrag"));
    pnlBetrag = Zeile(this, haupt, "pnlBetrag", QStringLiteral("Betrag"), {edtBetrag, lblWaehrungBetrag});

    edtMindestVerkaufsWert = new TORVFloatEdit(12, 2, 9999999.99, this);
    edtMindestVerkaufsWert->setObjectName(QStringLiteral("edtMindestVerkaufsWert"));
    lblWaehrungMindestwert = new QLabel(this);
    lblWaehrungMindestwert->setObjectName(QStringLiteral("lblWaehrungMindestwert"));
    pnlMindestverkaufswert = Zeile(this, haupt, "pnlMindestverkaufswert", QStringLiteral("Mindestverkaufswert"),
                                   {edtMindestVerkaufsWert, lblWaehrungMindestwert});

    edtBisGueltigDatum = new TORVDateEdit(this);
    edtBisGueltigDatum->setObjectName(QStringLiteral("edtBisGueltigDatum"));
    // The calendar button is the date's input help; F2 belongs to the customer search.
    edtBisGueltigDatum->OnEingabehilfe = [this] { btnBisGueltigDatumClick(); };
    btnBisGueltigDatum = new QToolButton(this);
    btnBisGueltigDatum->setObjectName(QStringLiteral("btnBisGueltigDatum"));
    btnBisGueltigDatum->setText(QStringLiteral("…"));
    btnBisGueltigDatum->setToolTip(QStringLiteral("Kalender"));
    btnBisGueltigDatum->setFocusPolicy(Qt::NoFocus);
    pnlGuelitgBis = Zeile(this, haupt, "pnlGuelitgBis", QStringLiteral("Gültig bis"),
                          {edtBisGueltigDatum, btnBisGueltigDatum});

    cmbKonto = new QComboBox(this);
    cmbKonto->setObjectName(QStringLiteral("cmbKonto"));
    cmbKonto->setMinimumWidth(220);
    pnlKonto = Zeile(this, haupt, "pnlKonto", QStringLiteral("Konto"), {cmbKonto});

    cmbRabattscheinTyp = new QComboBox(this);
    cmbRabattscheinTyp->setObjectName(QStringLiteral("cmbRabattscheinTyp"));
    cmbRabattscheinTyp->setMinimumWidth(220);
    pnlRabattscheinTyp = Zeile(this, haupt, "pnlRabattscheinTyp", QStringLiteral("RabattscheinTyp"),
                               {cmbRabattscheinTyp});

    edtRSProzent = new TORVFloatEdit(5, 2, 99.99, this);
    edtRSProzent->setObjectName(QStringLiteral("edtRSProzent"));
    auto* prozent = new QLabel(QStringLiteral("%"), this);
    pnlRSProzent = Zeile(this, haupt, "pnlRSProzent", QStringLiteral("Prozent"), {edtRSProzent, prozent});

    haupt->addStretch(1);
    auto* knoepfe = new QHBoxLayout;
    btnBuchen = new TORVStdButton(TORVStdButton::Kind::Buchen, this);
    btnBuchen->setObjectName(QStringLiteral("btnBuchen"));
    btnAbbrechen = new TORVStdButton(TORVStdButton::Kind::Abbrechen, this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnBuchen->setAutoDefault(false);
    btnAbbrechen->setAutoDefault(false);
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnBuchen);
    knoepfe->addWidget(btnAbbrechen);
    haupt->addLayout(knoepfe);

    connect(rgrpBonusArt, &TRadioGruppe::Clicked, this, [this](int art) { ArtSet(art); });
    connect(btnGepSel, &QToolButton::clicked, this, &Tfrmbonusmaneing::btnGepSelClick);
    connect(btnBisGueltigDatum, &QToolButton::clicked, this, &Tfrmbonusmaneing::btnBisGueltigDatumClick);
    connect(btnBuchen, &QPushButton::clicked, this, &Tfrmbonusmaneing::btnBuchenClick);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* suche = new QAction(this);
    suche->setObjectName(QStringLiteral("actF2"));
    suche->setShortcut(QKeySequence(Qt::Key_F2));
    suche->setShortcutContext(Qt::WindowShortcut);
    addAction(suche);
    connect(suche, &QAction::triggered, this, [this] {
        if (pnlKunde->isVisible()) btnGepSelClick();
    });

    OnKundeSuchen = [this](TIntPair& kunde) {
        if (!dm_ || !dm_->dlgKundEing) return false;
        TKundEingDialog* d = dm_->dlgKundEing;
        d->Init();
        d->Clear();
        d->SetModus(TKundEingDialog::kModusSuchen);
        const bool ok = d->Execute();
        if (ok) kunde = d->GepNr();
        d->Done();
        return ok;
    };
    ArtSet(0);
}

Tfrmbonusmaneing::~Tfrmbonusmaneing() {
    try {
        if (dm_) dm_->Leere_Konten(cmbKonto);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tfrmbonusmaneing.FormDestroy", e, 0);
    }
    if (gInstanz == this) gInstanz = nullptr;
}

void Tfrmbonusmaneing::Registrieren(const char* methode, const std::exception& e) {
    ORVInfo().RegisterException(std::string("Tfrmbonusmaneing.") + methode, e, 1);
}

void Tfrmbonusmaneing::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void Tfrmbonusmaneing::FormShow() {
    try {
        const QString waehrung = QString::fromStdString(ORVProgramm().GetWaehrung());
        lblWaehrungBetrag->setText(waehrung);
        lblWaehrungMindestwert->setText(waehrung);
        for (TCustomORVMaskEdit* e : std::initializer_list<TCustomORVMaskEdit*>{
                 edtBetrag, edtMindestVerkaufsWert, edtBisGueltigDatum, edtRSProzent})
            e->Clear();
        edtKunde->clear();
        // The amount of the last grant is offered again.
        const auto gespeichert = store_->Restore(kMaske);
        if (const auto it = gespeichert.find(kBetragProperty); it != gespeichert.end())
            edtBetrag->SetText(QString::fromStdString(it->second));
        if (dm_) dm_->Fuelle_Konten(cmbKonto);
        cmbKonto->setCurrentIndex(cmbKonto->count() > 0 ? 0 : -1);
        if (cmbRabattscheinTyp->count() == 0) CouponTypenFuellen();
        if (!FKunde.IsNull() && dm_) edtKunde->setText(dm_->GetKundeName(FKunde));
        rgrpBonusArt->SetItemIndex(-1);
        rgrpBonusArt->SetItemIndex(0);
        ArtSet(0);
        edtBetrag->setFocus();
    } catch (const std::exception& e) {
        Registrieren("FormShow", e);
    }
}

void Tfrmbonusmaneing::CouponTypenFuellen() {
    cmbRabattscheinTyp->clear();
    for (const TCouponTyp& t : TCouponTypen::Liste())
        cmbRabattscheinTyp->addItem(QString::fromStdString(t.Name), QString::fromStdString(t.Kennung));
    cmbRabattscheinTyp->setCurrentIndex(cmbRabattscheinTyp->count() > 0 ? 0 : -1);
}

void Tfrmbonusmaneing::ArtSet(int art) {
    try {
        for (QFrame* p : {pnlKunde, pnlBetrag, pnlMindestverkaufswert, pnlGuelitgBis, pnlKonto,
                          pnlRabattscheinTyp, pnlRSProzent})
            p->hide();
        if (art == 1) {
            pnlRabattscheinTyp->show();
            pnlRSProzent->show();
        } else {
            pnlKonto->show();
            pnlMindestverkaufswert->show();
            pnlGuelitgBis->show();
            pnlBetrag->show();
        }
        if (FKundenAuswahl) pnlKunde->show();
    } catch (const std::exception& e) {
        Registrieren("ArtSet", e);
    }
}

void Tfrmbonusmaneing::btnGepSelClick() {
    try {
        TIntPair kunde;
        if (!OnKundeSuchen || !OnKundeSuchen(kunde) || kunde.IsNull()) return;
        FKunde = kunde;
        edtKunde->setText(dm_ ? dm_->GetKundeName(kunde) : QString::fromStdString(kunde.ToString()));
    } catch (const std::exception& e) {
        Registrieren("btnGepSelClick", e);
    }
}

void Tfrmbonusmaneing::btnBisGueltigDatumClick() {
    try {
        const auto datum = edtBisGueltigDatum->GetAsDate();
        QDate d = datum ? kis::ui::ToQDate(*datum) : QDate::currentDate();
        TCalendarDialog kalender(this);
        if (kalender.Execute(d)) edtBisGueltigDatum->SetText(kis::ui::DateToDigits(d));
        edtBisGueltigDatum->setFocus();
    } catch (const std::exception& e) {
        Registrieren("btnBisGueltigDatumClick", e);
    }
}

Tfrmbonusmaneing::TPruefung Tfrmbonusmaneing::Pruefen(const TQEL_ManuellerBonus& g, bool datumUnlesbar,
                                                       TDateTime heute, bool typBekannt) {
    if (g.Art == 1) {
        if (g.Prozent < 0.005L || g.Prozent > 99.995L) return TPruefung::Prozent;
        return typBekannt ? TPruefung::Ok : TPruefung::RabattscheinTyp;
    }
    if (kis::services::RoundHalfEven(g.Betrag * 100) <= 0) return TPruefung::Betrag;
    if (g.MindestVerkaufswert < 0) return TPruefung::Mindestverkaufswert;
    // Text that is no date would otherwise become an unlimited validity.
    if (datumUnlesbar) return TPruefung::GueltigBis;
    if (g.GueltigBis == 0 || !(kis::date::DateOf(heute) > kis::date::DateOf(g.GueltigBis)))
        return TPruefung::Ok;
    return TPruefung::GueltigBis;
}

void Tfrmbonusmaneing::btnBuchenClick() {
    try {
        FManuellerBonus.Clear();
        FManuellerBonus.Kunde = FKunde;
        bool datumUnlesbar = false;
        bool typBekannt = false;
        if (rgrpBonusArt->ItemIndex() == 1) {
            FManuellerBonus.Art = 1;
            FManuellerBonus.Prozent = edtRSProzent->GetAsFloat(0);
            if (cmbRabattscheinTyp->currentIndex() >= 0)
                FManuellerBonus.RabattscheinTyp = cmbRabattscheinTyp->currentData().toString().toStdString();
            // Asked at booking time: the type may have been removed since the list was filled.
            const auto typen = TCouponTypen::Liste();
            typBekannt = !FManuellerBonus.RabattscheinTyp.empty() &&
                         std::any_of(typen.begin(), typen.end(), [this](const TCouponTyp& t) {
                             return t.Kennung == FManuellerBonus.RabattscheinTyp;
                         });
        } else {
            FManuellerBonus.Art = 0;
            FManuellerBonus.Betrag = edtBetrag->GetAsFloat(0);
            if (!edtBisGueltigDatum->IsEmpty()) {
                const auto datum = edtBisGueltigDatum->GetAsDate();
                if (datum)
                    FManuellerBonus.GueltigBis = *datum;
                else
                    datumUnlesbar = true;
            }
            FManuellerBonus.MindestVerkaufswert = edtMindestVerkaufsWert->GetAsFloat(0);
            if (dm_) FManuellerBonus.Konto = dm_->GetKontenKuerzel(cmbKonto, cmbKonto->currentIndex()).toStdString();
        }
        FLetztePruefung = Pruefen(FManuellerBonus, datumUnlesbar, orv_Date(), typBekannt);
        switch (FLetztePruefung) {
            case TPruefung::Ok: accept(); break;
            case TPruefung::Betrag: edtBetrag->setFocus(); break;
            case TPruefung::Mindestverkaufswert: edtMindestVerkaufsWert->setFocus(); break;
            case TPruefung::GueltigBis: edtBisGueltigDatum->setFocus(); break;
            case TPruefung::Prozent: edtRSProzent->setFocus(); break;
            case TPruefung::RabattscheinTyp: cmbRabattscheinTyp->setFocus(); break;
        }
    } catch (const std::exception& e) {
        Registrieren("btnBuchenClick", e);
    }
}

void Tfrmbonusmaneing::done(int result) {
    if (result == QDialog::Accepted) {
        try {
            store_->Store(kMaske, {{kBetragProperty, edtBetrag->Text().toStdString()}});
        } catch (const std::exception& e) {
            Registrieren("FormClose", e);
        }
    }
    QDialog::done(result);
}
