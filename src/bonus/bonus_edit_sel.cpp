#include "bonus/bonus_edit_sel.h"

#include <QComboBox>
#include <QHash>

#include "platform/bonus/bonus_abschluss.h"
#include "platform/ui/data_model.h"
#include "platform/ui/german_format.h"

TBonusEditSel::TBonusEditSel(QWidget* parent)
    : TBonusEditBasis(QStringLiteral("TBonusEditSel"), QStringLiteral("Boni abschließen"), "BONUSABS",
                      {QStringLiteral("cmbBonusTyp.Text"), QStringLiteral("cmbBonusName.Text")}, parent) {
    SpaltenSetzen({{QStringLiteral("KUNDE"), QStringLiteral("Kunde"), 260},
                   {QStringLiteral("DATUM"), QStringLiteral("Datum"), 83},
                   {QStringLiteral("BETRAG"), QStringLiteral("Betrag"), 93},
                   {QStringLiteral("LAENGE"), QStringLiteral("akt. Länge"), 68}});
    TypListeFuellen(false, false);
    MaskeLaden();
}

void TBonusEditSel::Suchen(std::vector<std::string>& meldungen) {
    boni_.clear();
    TBonusSuchFilter f = FilterLesen();
    f.ProgrammName = cmbBonusName->currentText().toStdString();
    f.Offen = true;
    f.Abgeschlossen = false;
    TBonusSuche suche;
    suche.NachPosten = &TBonusEditBasis::Nachrichten;
    boni_ = suche.Suchen(f);
    meldungen.insert(meldungen.end(), suche.Fehler().begin(), suche.Fehler().end());
    QHash<QString, QString> namen;
    for (const auto& b : boni_) {
        const QString key = QString::fromStdString(b.Kunde.ToString());
        auto it = namen.find(key);
        if (it == namen.end()) it = namen.insert(key, KundenName(b.Kunde));
        ZeileAnhaengen({*it, kis::ui::ToQDate(b.Datum), double(b.Wert), int(b.Laenge)},
                       QString::fromStdString(BonusRefText(b.Ref)));
    }
}

void TBonusEditSel::Buchen(const std::vector<int>& zeilen, std::vector<std::string>& meldungen) {
    for (int row : zeilen) {
        if (row < 0 || row >= int(boni_.size())) continue;
        const TBonusTreffer& b = boni_[size_t(row)];
        try {
            BonusAbschliessen(b.Ref, b.Kunde);
        } catch (const TBonusNichtBuchbar& e) {
            meldungen.push_back(e.what());
        } catch (const std::exception& e) {
            Register("btnBuchenClick", e);
            meldungen.push_back("Bonus " + BonusRefText(b.Ref) + ": " + e.what());
        }
        Nachrichten();
    }
}
