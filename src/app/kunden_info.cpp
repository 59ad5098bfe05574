#include "app/kunden_info.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "app/dm.h"
#include "app/unattended.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/tables/bonus_typen.h"
#include "platform/ui/button_menu.h"
#include "platform/ui/customer/kund_eing_dialog.h"
#include "platform/ui/std_button.h"
#include "selection/selektion_frm.h"
#include "serienbrief/kund_eing_serb_frm.h"

namespace {

// Runs an action body; exceptions of the standard class are registered under its name.
template <typename F>
void Registered(const QString& name, F&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(name.toStdString(), e, 1);
    }
}

}  // namespace

TKundenInfo::TKundenInfo(TDM* dm, QWidget* parent) : QWidget(parent), dm_(dm) {
    setObjectName(QStringLiteral("KundenInfo"));
    setWindowTitle(QStringLiteral("Kundeninformationssystem"));
    OnEnde = [] { QCoreApplication::quit(); };

    pnlHauptrahmen = new QFrame(this);
    pnlHauptrahmen->setObjectName(QStringLiteral("pnlHauptrahmen"));
    pnlHauptrahmen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlButtons = new QFrame(pnlHauptrahmen);
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    bmnHaupt = new TORVStdButtonMenu(pnlButtons);
    bmnHaupt->setObjectName(QStringLiteral("bmnHaupt"));
    bmnHaupt->SetMetrics({25, 30, 20, 10, 30, 15});
    BuildMenu();
    bmnHaupt->OnClick = [this](int index, const QString& name) { bmnHauptClick(index, name); };
    btnEnde = new TORVStdButton(TORVStdButton::Kind::Ende, this);
    btnEnde->setObjectName(QStringLiteral("btnEnde"));
    connect(btnEnde, &QPushButton::clicked, this, [this] { btnEndeClick(); });
    actESC = new QAction(this);
    actESC->setObjectName(QStringLiteral("actESC"));
    actESC->setShortcut(QKeySequence(Qt::Key_Escape));
    actESC->setShortcutContext(Qt::WindowShortcut);
    connect(actESC, &QAction::triggered, this, [this] { btnEndeClick(); });
    addAction(actESC);

    (new QVBoxLayout(pnlButtons))->addWidget(bmnHaupt);
    auto* frameLayout = new QVBoxLayout(pnlHauptrahmen);
    frameLayout->addWidget(pnlButtons, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pnlHauptrahmen, 1);
    layout->addWidget(btnEnde);
    resize(680, 503);

    aktionen_ = {
        {"BTNKUNDEINGINS", "TKundenInfo.KundEingInsert", [this] { KundEingInsert(); }},
        {"BTNKUNDEINGEDIT", "TKundenInfo.KundEingEdit", [this] { KundEingEdit(); }},
        {"BTNSERBRIEF", "TKundenInfo.KundEingSerb", [this] { KundEingSerbFrm(false)->exec(); }},
        {"BTNBONUSMAN", "TKundenInfo.BonusManuellVergeben", [this] { KundEingSerbFrm(true)->exec(); }},
        {"BTNINFOEINZEL", "TKundenInfo.MerovaEinzel", [this] { MerovaEinzel(); }},
        {"BTNINFOLISTE", "TKundenInfo.MerovaListe", [this] { MerovaListe(); }},
        {"BTNBONUSEING", "TKundenInfo.BonusProgramme", {}},
        {"BTNBONUSOPT", "TKundenInfo.BonusOptionen", {}},
        {"BTNBONUSERZ", "TKundenInfo.BonusGenerieren", [this] { BonusGenerieren(); }, true},
        {"BTNBONUSABSCHL", "TKundenInfo.BonusEditAbschl", {}},
        {"BTNBONUSALSVERW", "TKundenInfo.BonusEditAlsVerw", {}},
        {"BTNBONUSSTORNO", "TKundenInfo.BonusEditStorno", {}},
        // No menu entry bears this name (the entry is btnBonsUmw, always disabled).
        {"BTNBONUSUMW", "TKundenInfo.BonusEditUmw", {}},
    };
    FormCreate();
}

void TKundenInfo::BuildMenu() {
    bmnHaupt->AddHeadline(QStringLiteral("Headline 0"), QStringLiteral("Kundenverwaltung"));
    bmnHaupt->AddButton(QStringLiteral("btnKundEingIns"), QStringLiteral("Kundenneuanlage"));
    bmnHaupt->AddButton(QStringLiteral("btnKundEingEdit"), QStringLiteral("Änderung von Kundendaten"));
    bmnHaupt->AddButton(QStringLiteral("btnSerBrief"), QStringLiteral("Serienbriefe"));
    bmnHaupt->AddButton(QStringLiteral("btnBonusMan"), QStringLiteral("Bonus oder Rabattschein manuell vergeben"));
    bmnHaupt->AddHeadline(QStringLiteral("Button 4"), QStringLiteral("Kundeninformation"));
    bmnHaupt->AddButton(QStringLiteral("btnInfoEinzel"), QStringLiteral("Einzelkunden - Kurzinfo"));
    bmnHaupt->AddButton(QStringLiteral("btnInfoListe"), QStringLiteral("Selektion und Auswertung"));
    bmnHaupt->AddHeadline(QStringLiteral("btnBonusVerw"), QStringLiteral("Bonusverwaltung"));
    bmnHaupt->AddButton(QStringLiteral("btnBonusEing"), QStringLiteral("Bonusprogramme verwalten"));
    bmnHaupt->AddButton(QStringLiteral("btnBonusOpt"), QStringLiteral("Einstellungen für das Verwenden von Bonus"));
    bmnHaupt->AddButton(QStringLiteral("btnBonusErz"), QStringLiteral("Bonus aus selektierten Umsätzen generieren"));
    bmnHaupt->AddButton(QStringLiteral("btnBonusAbschl"), QStringLiteral("Bearbeiten von Boni: Abschließen"));
    bmnHaupt->AddButton(QStringLiteral("btnBonusAlsVerw"), QStringLiteral("Bearbeiten von Boni: Als verwendet kennzeichnen"));
    bmnHaupt->AddButton(QStringLiteral("btnBonusStorno"), QStringLiteral("Bearbeiten von Boni: Stornieren"));
    bmnHaupt->AddButton(QStringLiteral("btnBonsUmw"), QStringLiteral("Bearbeiten von Boni: In Gutscheine umwandeln"), false);
    // Headlines are not clickable: disabled at design.
    for (int i = 0; i < bmnHaupt->Buttons()->Count(); ++i)
        if (bmnHaupt->Buttons()->At(i).kind == TBtnCollection::Kind::Headline)
            bmnHaupt->Buttons()->SetEnabled(i, false);
}

void TKundenInfo::FormCreate() {
    Registered(QStringLiteral("TKundenInfo.FormCreate"), [this] {
        setWindowTitle(QStringLiteral("Kundeninformationssystem - ") +
                       QString::fromStdString(ORVProgramm().GetTextMandant()));
        const int rTyp = ORVProgramm().GetRTyp();
        EnabledSetzen(rTyp);
        if (dm_ && dm_->AutoBGModus) {
            if (rTyp == 1)
                // Posted: the program wires the bonus windows to this one after creating it,
                // and the generation starts once the message loop runs.
                QTimer::singleShot(0, this, [this] { bmnHauptClick(0, QStringLiteral("BTNBONUSERZ")); });
            else
                kis::app::AbgBeenden(kis::app::AbgStatus::Aufruf,
                                     QStringLiteral("Die automatische Bonusgenerierung ist nur auf "
                                                    "einem Arbeitsplatz vom Typ 1 möglich "
                                                    "(dieser Arbeitsplatz: Typ %1).").arg(rTyp));
        }
    });
}

void TKundenInfo::EnabledSetzen(int rTyp) {
    TBtnCollection* b = bmnHaupt->Buttons();
    for (int i = 0; i < b->Count(); ++i) {
        const QString name = b->At(i).name;
        if (name.left(8).toUpper() == QLatin1String("BTNBONUS")) b->SetEnabled(i, rTyp == 1 || rTyp == 7);
        if (name == QLatin1String("btnBonusAlsVerw"))
            b->SetEnabled(i, rTyp == 1 || rTyp == 3 || rTyp == 4 || rTyp == 7);
    }
}

void TKundenInfo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TKundenInfo::FormShow() {
    Registered(QStringLiteral("TKundenInfo.FormShow"), [this] { ErsterMandant(); });
}

void TKundenInfo::ErsterMandant() {
    // A client company chosen with MAND= stays current.
    if (dm_ && dm_->MandantVorgegeben) return;
    ORVProgramm().SetAktMandant(ORVProgramm().MandantErster());
}

bool TKundenInfo::SetAktion(const QString& key, std::function<void()> run) {
    for (auto& a : aktionen_)
        if (a.key == key.toUpper()) {
            a.run = std::move(run);
            a.hidesItself = false;
            return true;
        }
    return false;
}

void TKundenInfo::bmnHauptClick(int /*buttonIndex*/, const QString& buttonName) {
    Registered(QStringLiteral("TKundenInfo.bmnHauptClick"), [&] {
        const QString key = buttonName.toUpper();
        for (const auto& a : aktionen_) {
            if (a.key != key) continue;
            letzteAktion_ = a.key;
            if (a.hidesItself) {
                Registered(a.registeredAs, [&] { if (a.run) a.run(); });
            } else {
                hide();
                Registered(a.registeredAs, [&] { if (a.run) a.run(); });
                show();
            }
            break;
        }
    });
    if (!isVisible()) show();  // also when something unexpected escaped the action
    raise();
    activateWindow();
    ORVInfoProcessMessages(0);
}

void TKundenInfo::btnEndeClick() {
    Registered(QStringLiteral("TKundenInfo.btnEndeClick"), [this] {
        if (OnEnde) OnEnde();
    });
}

void TKundenInfo::KundEingInsert() {
    TKundEingDialog* d = dm_->dlgKundEing;
    d->Init();
    d->Clear();
    for (const char* name : {"edtName", "edtName2", "edtVorname"})
        if (auto* e = d->findChild<QLineEdit*>(QLatin1String(name))) e->clear();
    d->SetGepNumBezeichnung(QString());
    d->SetGepNr({});
    d->SetModus(TKundEingDialog::kModusNeu);
    d->Execute();
    d->Done();
}

void TKundenInfo::KundEingEdit() {
    TKundEingDialog* d = dm_->dlgKundEing;
    d->Init();
    d->Clear();
    d->SetModus(TKundEingDialog::kModusSuchen);
    while (d->Execute()) {
        d->SetModus(TKundEingDialog::kModusAendern);
        d->Execute();
        d->SetModus(TKundEingDialog::kModusWeiterSuchen);
    }
    d->Done();
}

void TKundenInfo::MerovaEinzel() {
    TKundEingDialog* d = dm_->dlgKundEing;
    d->Init();
    d->Clear();
    d->SetModus(TKundEingDialog::kModusSuchen);
    while (d->Execute()) {
        dm_->ExecuteMerova(d->GepNr());
        d->SetModus(TKundEingDialog::kModusWeiterSuchen);
    }
    d->Done();
}

TSelektionFrm* TKundenInfo::SelektionFrm() {
    if (!selektionFrm_) selektionFrm_ = new TSelektionFrm(dm_, this);
    return selektionFrm_;
}

TKundEingSerbFrm* TKundenInfo::KundEingSerbFrm(bool bonus) {
    TKundEingSerbFrm*& frm = bonus ? serbFrmBonus_ : serbFrm_;
    if (!frm) {
        frm = new TKundEingSerbFrm(dm_, this);
        if (bonus) frm->setControlsForBonus();
    }
    return frm;
}

void TKundenInfo::MerovaListe() {
    dm_->KIModus = TSelektionFrmModus::smKundeninfoSelektion;
    SelektionFrm()->AusfuehrenKundeninfo();
}

QString TKundenInfo::BonusKennungFuer(const QString& bonusTyp) {
    QString kennung = bonusTyp;
    for (int typ = 1; typ <= kBonusTypAnzahl; ++typ)
        if (QString::fromStdString(CBonuTypen2Name(typ)) == bonusTyp)
            kennung = QString::fromStdString(CBonuTypen2Kuerzel(typ));
    return kennung;
}

void TKundenInfo::BonusGenerieren() {
    ErsterMandant();
    QString bonusTyp, programmName;
    if (dm_->AutoBGModus) {
        bonusTyp = dm_->AutoBGMaskeProg;
        programmName = dm_->AutoBGMaskeKund;
    }
    if (dm_->AutoBGModus) {
        const QString fehlt =
            kis::app::AbgProgrammPruefen(bonusTyp, programmName, BonusKennungFuer(bonusTyp));
        if (!fehlt.isEmpty()) {
            kis::app::AbgBeenden(kis::app::AbgStatus::Aufruf, fehlt);
            return;
        }
        if (!BonusSelektion) {
            kis::app::AbgBeenden(kis::app::AbgStatus::NichtVerfuegbar,
                                 QStringLiteral("Die Bonusgenerierung aus selektierten Umsätzen "
                                                "ist in dieser Version nicht verfügbar."));
            return;
        }
    }
    hide();
    try {
        if (!dm_->AutoBGModus && ProgrammWahl) {
            QString typ, name;
            if (ProgrammWahl(typ, name)) {
                bonusTyp = typ;
                programmName = name;
            }
        }
        if (!bonusTyp.isEmpty() && !programmName.isEmpty()) {
            const QStringList modusListe =
                ProgrammSelektion ? ProgrammSelektion(bonusTyp, programmName) : QStringList();
            dm_->BonusKennung = BonusKennungFuer(bonusTyp);
            dm_->BonusName = programmName;
            dm_->KIModus = TSelektionFrmModus::smBonusSelektion;
            if (BonusSelektion) BonusSelektion(modusListe);
            // The unattended road ends inside the selection, the run or the booking; when it
            // came back without an end, something stopped it silently.
            if (dm_->AutoBGModus && !kis::app::AbgBeendet())
                kis::app::AbgBeenden(kis::app::AbgStatus::Fehlgeschlagen,
                                     QStringLiteral("Die automatische Bonusgenerierung wurde "
                                                    "nicht abgeschlossen."));
        }
    } catch (...) {
        show();
        throw;
    }
    show();
}
