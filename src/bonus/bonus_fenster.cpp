#include "bonus/bonus_fenster.h"

#include "app/dm.h"
#include "app/kunden_info.h"
#include "bonus/bonus_2_gutsch.h"
#include "bonus/bonus_edit_sel.h"
#include "bonus/bonus_optionen_fm.h"
#include "bonus/bonus_programm_sel_frm.h"
#include "bonus/bonus_programme_frm.h"
#include "platform/bonus/bonus_rechner.h"
#include "selection/selektion_frm.h"

TBonusFenster::TBonusFenster(TKundenInfo& menu, TDM& dm) : dm_(dm) {
    menu.SetAktion(QStringLiteral("BTNBONUSEING"), [this] { Programme().exec(); });
    menu.SetAktion(QStringLiteral("BTNBONUSOPT"), [this] { Optionen().exec(); });
    menu.SetAktion(QStringLiteral("BTNBONUSABSCHL"), [this] { Abschliessen().exec(); });
    // No menu entry bears this name; the window is there for whoever calls the action.
    menu.SetAktion(QStringLiteral("BTNBONUSUMW"), [this] { Umwandeln().exec(); });
    menu.ProgrammWahl = [this](QString& typ, QString& name) {
        TBonusProgrammSelFrm& f = Auswahl();
        if (f.exec() != QDialog::Accepted) return false;
        typ = f.BonusTyp();
        name = f.BonusName();
        return true;
    };
    menu.ProgrammSelektion = &TBonusFenster::ProgrammSelektion;
    // The selection form in bonus mode, preset with the programme's stored selection.
    if (!menu.BonusSelektion)
        menu.BonusSelektion = [&menu](const QStringList& modusListe) { menu.SelektionFrm()->AusfuehrenBonus(modusListe); };
}

TBonusFenster::~TBonusFenster() = default;

TBonusProgrammeFrm& TBonusFenster::Programme() {
    if (!programme_) programme_ = std::make_unique<TBonusProgrammeFrm>(dm_.BonusRechner(), &dm_);
    return *programme_;
}

TBonusProgrammSelFrm& TBonusFenster::Auswahl() {
    if (!auswahl_) auswahl_ = std::make_unique<TBonusProgrammSelFrm>(dm_.BonusRechner());
    return *auswahl_;
}

TBonusOptionenFm& TBonusFenster::Optionen() {
    if (!optionen_) optionen_ = std::make_unique<TBonusOptionenFm>();
    return *optionen_;
}

TBonusEditSel& TBonusFenster::Abschliessen() {
    if (!abschliessen_) abschliessen_ = std::make_unique<TBonusEditSel>();
    return *abschliessen_;
}

TBonus2Gutsch& TBonusFenster::Umwandeln() {
    if (!umwandeln_) umwandeln_ = std::make_unique<TBonus2Gutsch>();
    return *umwandeln_;
}

QStringList TBonusFenster::ProgrammSelektion(const QString& bonusTyp, const QString& programmName) {
    QStringList out;
    const QString kennung = TKundenInfo::BonusKennungFuer(bonusTyp);
    for (const auto& z : TBonusRechner::Fuelle_Selektion(kennung.toStdString(), programmName.toStdString()))
        out << QString::fromStdString(z);
    return out;
}
