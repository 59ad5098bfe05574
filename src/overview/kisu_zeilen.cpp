#include "overview/kisu_zeilen.h"

#include <QString>

#include "engine/merova_query.h"
#include "overview/datei_quelle.h"
#include "overview/uebersicht_spalten.h"
#include "overview/uebersicht_texte.h"
#include "platform/base/kunde_text.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/services/number_format.h"
#include "platform/store/record_files.h"

namespace kis::overview {

namespace {

// Amount cells carry their value as a number (so they sort by value) or nothing when empty.
QVariant Betrag(long double v) {
    return kis::services::ToCents(v) == 0 ? QVariant() : QVariant(double(v));
}

QVariant Menge(int32_t v) { return v == 0 ? QVariant() : QVariant(v); }

QVariant OPWert(const TOPTabelle* t) {
    if (!t || kis::services::ToCents(t->Summe1 + t->Summe2) == 0) return {};
    return double(t->Summe1 - t->Summe2);
}

std::unique_ptr<kis::store::Tkisufile> Oeffnen() {
    auto f = std::make_unique<kis::store::Tkisufile>();
    f->SetFileNameRel(TMerovaQuery::KisuFileName());
    f->OpenOut();
    f->ClearKeysAndFilters();
    f->Feld("ART").SetFilterMinMax(std::string("VK"), std::string("VK"));
    return f;
}

}  // namespace

QVariantList KisuZeile(kis::store::TQEL_DBFile& file, const TKisuKontext& k, int64_t anzahl) {
    QVariantList row;
    row.reserve(ksAnzahl);
    for (int i = 0; i < ksAnzahl; ++i) row.append(QVariant());
    const TIntPair kunde = file.Feld("KUNDE").AsPair();
    const bool summe = kis::keys::IstSummenSchluessel(kunde);
    const bool bonusModus = k.modus == TSelektionFrmModus::smBonusSelektion;

    row[ksVORNAME] = QString::fromStdString(file.Feld("VORNAME").AsString());
    row[ksSELUMSATZ] = Betrag(file.Feld("SELUMSATZ").AsFloat());
    row[ksSELMENGE] = Menge(file.Feld("SELMENGE").AsInt());
    row[ksGESUMSATZ] = Betrag(file.Feld("GESUMSATZ").AsFloat());
    row[ksGESMENGE] = Menge(file.Feld("GESMENGE").AsInt());
    row[ksKUNDE] = QString::fromStdString(kis::keys::KundeAlsText(kunde));

    if (k.op) {
        k.op->Clear();
        k.op->SetMandant(k.mandant);
        if (!summe) k.op->SetKundeGepNr(kunde);
    }
    if (k.bonus) {
        if (bonusModus) k.bonus->UseTMP(1, k.bonusKennung, k.bonusName);
        k.bonus->SetKundeGepNr(summe ? TIntPair() : kunde);
    }

    if (summe) {
        row[ksNAME] = QString::fromStdString(SummenName(anzahl - 1));
        if (bonusModus) row[ksBONUSNEU] = Betrag(k.bonusSumWert);
        for (const auto& s : kOPSpalten) {
            if (!k.opSumList) continue;
            const auto it = k.opSumList->find(s.tabelle);
            if (it == k.opSumList->end()) continue;
            row[s.spalte] = double(OPSummenWert(it->second));
        }
        return row;
    }

    row[ksNAME] = QString::fromStdString(file.Feld("NAME").AsString());
    if (k.bonus) {
        if (bonusModus) row[ksBONUSNEU] = Betrag(k.bonus->BonusNeu());
        if (k.opBonusAbg) row[ksBONUSABG] = Betrag(-k.bonus->BonusAbgeschlossen());
        row[ksBONUSKASSE] = Betrag(k.bonus->BonusKasse());
    }
    if (k.op)
        for (const auto& s : kOPSpalten) row[s.spalte] = OPWert(k.op->Tabelle(s.tabelle));
    return row;
}

int64_t KisuAnzahl() { return Oeffnen()->GetCount(); }

std::unique_ptr<TORVRowSource> KisuQuelle(const std::string& index, TKisuKontext kontext) {
    const int64_t anzahl = KisuAnzahl();
    // Without sets of the caller the source reads through its own, so the rows read later
    // never disturb what a detail page loaded.
    auto eigeneBonus = std::make_shared<TBonusTabellen>();
    auto eigeneOP = std::make_shared<TOPTabellen>();
    if (!kontext.bonus) kontext.bonus = eigeneBonus.get();
    if (!kontext.op) kontext.op = eigeneOP.get();

    // The totals record first, then every customer in the order of the index.
    auto summe = Oeffnen();
    summe->Feld("KUNDE").SetFilterMinMax(TIntPair(), TIntPair());
    QVariantList summenZeile;
    bool hatSumme = false;
    if (summe->Get_ge()) {
        summenZeile = KisuZeile(*summe, kontext, anzahl);
        hatSumme = true;
    }
    summe->ResultClear();

    auto file = Oeffnen();
    file->SelectIndex(index);
    auto zustand = std::make_shared<std::pair<bool, QVariantList>>(hatSumme, summenZeile);
    class Quelle : public TORVRowSource {
    public:
        Quelle(std::unique_ptr<kis::store::Tkisufile> f, TKisuKontext k, int64_t n,
               std::shared_ptr<std::pair<bool, QVariantList>> s, std::shared_ptr<TBonusTabellen> b,
               std::shared_ptr<TOPTabellen> o)
            : bonus_(std::move(b)), op_(std::move(o)), kontext_(std::move(k)), summe_(std::move(s)),
              inner_(std::move(f), [this, n](kis::store::TQEL_DBFile& file, QVariantList& row) {
                  if (kis::keys::IstSummenSchluessel(file.Feld("KUNDE").AsPair())) return false;
                  if (kontext_.bonus) kontext_.bonus->Open();
                  try {
                      row = KisuZeile(file, kontext_, n);
                  } catch (...) {
                      if (kontext_.bonus) kontext_.bonus->Close();
                      throw;
                  }
                  if (kontext_.bonus) kontext_.bonus->Close();
                  return true;
              }) {}
        bool Next(QVariantList& row) override {
            if (summe_->first) {
                summe_->first = false;
                row = summe_->second;
                return true;
            }
            return inner_.Next(row);
        }

    private:
        std::shared_ptr<TBonusTabellen> bonus_;
        std::shared_ptr<TOPTabellen> op_;
        TKisuKontext kontext_;
        std::shared_ptr<std::pair<bool, QVariantList>> summe_;
        TDateiQuelle inner_;
    };
    return std::make_unique<Quelle>(std::move(file), std::move(kontext), anzahl, zustand, eigeneBonus, eigeneOP);
}

}  // namespace kis::overview
