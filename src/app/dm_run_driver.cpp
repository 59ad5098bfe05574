// The run driver of the data module: the shared evaluation filter, the one engine instance,
// the runs and the handlers that turn engine events into progress counters.
#include "app/dm.h"
#include "app/unattended.h"

#include <optional>

#include "engine/merova_filter.h"
#include "engine/merova_query.h"
#include "platform/evaluation/kisu_liste.h"
#include "platform/services/orv_info.h"
#include "platform/ui/progress_dialog.h"

namespace {

// Closes the progress dialog and ends an initialised engine on every way out of a run.
class LaufEnde {
public:
    LaufEnde(TORVStdProgressDialog* dlg, TMerovaQuery* q) : dlg_(dlg), q_(q) {}
    ~LaufEnde() {
        try {
            if (q_ && initialised) q_->Done();
        } catch (const std::exception& e) {
            ORVInfo().RegisterException("TDM.LaufEnde", e, 0);
        }
        if (dlg_) dlg_->Close();
    }
    bool initialised = false;

private:
    TORVStdProgressDialog* dlg_;
    TMerovaQuery* q_;
};

}  // namespace

void TDM::CreateRunDriver() {
    KIQuery.reset();
    KIFilter = std::make_unique<TMerovaFilter>();
}

bool TDM::DestroyRunDriver() {
    bool ok = true;
    try {
        KIFilter.reset();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.DataModuleDestroy", e, 0);
        ok = false;
    }
    try {
        KIQuery.reset();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.DataModuleDestroy", e, 0);
        ok = false;
    }
    return ok;
}

TMerovaQuery& TDM::KIQuery_GoC() {
    if (!KIQuery) KIQuery = std::make_unique<TMerovaQuery>();
    return *KIQuery;
}

void TDM::ZeigeLaufDialog(const QString& caption, const QString& captionKunde,
                          const QString& captionAnzKunde, const QString& captionAnzVkPos,
                          bool abbrechbar) {
    prgDlg->SetCaption(caption);
    couKundeName->SetCaption(captionKunde);
    couAnzKunde->SetCaption(captionAnzKunde);
    couAnzVkPos->SetCaption(captionAnzVkPos);
    couAnzKunde->Reset();
    couAnzVkPos->Reset();
    couKundeName->SetText(QString());
    prgDlg->SetAbortVisible(abbrechbar && !AutoBGModus);
    PrgDlgActive = true;
    prgDlg->Show();
}

bool TDM::ExecuteKIQuery() {
    try {
        TMerovaQuery& q = KIQuery_GoC();
        q.OnGepGelesen = nullptr;
        q.OnGepSelektiert = nullptr;
        q.OnLFNRGelesen = [this](const TIntPair& k, const std::string& n, int32_t r, int32_t l,
                                 const std::string& a) { KIQueryOnLFNRGelesen(k, n, r, l, a); };
        q.OnLSTGelesen = [this] { KIQueryOnLSTGelesen(); };
        q.OnKIVKGelesen = nullptr;
        LaufEnde ende(prgDlg, &q);
        ZeigeLaufDialog(QStringLiteral("Auswertung läuft ..."), QStringLiteral("Kunde"),
                        QStringLiteral("Gelesene Kunden"), QStringLiteral("Gelesene Verkäufe"));
        q.Init();
        ende.initialised = true;
        return LaufAusfuehren(q, KIModus == TSelektionFrmModus::smBonusSelektion);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.ExecuteKIQuery", e, 1);
        return false;
    }
}

bool TDM::LaufAusfuehren(TMerovaQuery& q, bool bonus) {
    q.SetFilter(*KIFilter);
    if (bonus) {
        q.FBONUSKennung = BonusKennung.toStdString();
        q.FBONUSName = BonusName.toStdString();
    }
    bool result = q.ExecuteKI();
    // A stopped or failed evaluation never starts the bonus generation.
    if (result && bonus) {
        q.FBONUSKennung = BonusKennung.toStdString();
        q.FBONUSName = BonusName.toStdString();
        result = q.ExecuteBO() && PrgDlgActive;
    }
    if (!result && !q.Fehler().empty())
        ORVInfo().FehlerBox((bonus ? "Die Bonusgenerierung ist fehlgeschlagen.\n"
                                   : "Die Auswertung ist fehlgeschlagen.\n") + q.Fehler());
    if (!result && AutoBGModus)
        kis::app::AbgBeenden(kis::app::AbgStatus::Fehlgeschlagen,
                             q.Fehler().empty() ? QStringLiteral("Die Auswertung wurde abgebrochen.")
                                                : QString::fromStdString(q.Fehler()));
    return result;
}

bool TDM::ExecuteSBQuery(bool NewFile) {
    try {
        // Appending keeps the list of the last run: the run rebuilds the file, then the kept
        // customers it did not find again are put back (or, when it failed, the whole list).
        std::optional<kis::evaluation::TKisuAnhang> anhang;
        if (!NewFile) {
            anhang.emplace(TMerovaQuery::KisuFileName());
            anhang->Merken();
        }
        TMerovaQuery& q = KIQuery_GoC();
        q.OnGepGelesen = [this](const TIntPair& k, const std::string& n) { KIQueryOnGepGelesen(k, n); };
        q.OnGepSelektiert = [this](const TIntPair& k, const std::string& n) { KIQueryOnGepSelektiert(k, n); };
        q.OnLFNRGelesen = nullptr;
        q.OnLSTGelesen = nullptr;
        q.OnKIVKGelesen = nullptr;
        LaufEnde ende(prgDlg, &q);
        ZeigeLaufDialog(QStringLiteral("Auswertung läuft ..."), QStringLiteral("Kunde"),
                        QStringLiteral("Gelesene Kunden"), QStringLiteral("Selektierte Kunden"));
        q.Init();
        ende.initialised = true;
        bool ok = false;
        try {
            ok = LaufAusfuehren(q, false);  // a serial-letter selection never generates bonuses
        } catch (...) {
            if (anhang) anhang->Wiederherstellen();
            throw;
        }
        if (anhang) {
            if (ok)
                anhang->Anhaengen();
            else
                anhang->Wiederherstellen();
        }
        return ok;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.ExecuteSBQuery", e, 1);
        return false;
    }
}

bool TDM::FillRun(const char* name, const QString& caption, bool lieferant) {
    try {
        TMerovaQuery& q = KIQuery_GoC();
        q.OnGepGelesen = nullptr;
        q.OnGepSelektiert = nullptr;
        q.OnLFNRGelesen = nullptr;
        q.OnLSTGelesen = nullptr;
        q.OnKIVKGelesen = [this] { KIQueryOnKIVKGelesen(); };
        LaufEnde ende(prgDlg, &q);
        ZeigeLaufDialog(caption, QString(), QString(), couAnzVkPos->Caption());
        q.Init();
        ende.initialised = true;
        const bool result = lieferant ? q.ExecuteFillKivkLief() : q.ExecuteFillKivkMerkmale();
        if (!result && !q.Fehler().empty())
            ORVInfo().FehlerBox("Das Nachladen ist fehlgeschlagen.\n" + q.Fehler());
        return result;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(name, e, 1);
        return false;
    }
}

bool TDM::ExecuteKIQueryFillKIVKLieferant() {
    return FillRun("TDM.ExecuteKIQueryFillKIVKLieferant", QStringLiteral("Nachladen Lieferant ..."), true);
}

bool TDM::ExecuteKIQueryFillKIVKMerkmale() {
    return FillRun("TDM.ExecuteKIQueryFillKIVKMerkmale", QStringLiteral("Nachladen Merkmale ..."), false);
}

void TDM::KIQueryOnGepGelesen(const TIntPair&, const std::string& name) {
    try {
        couKundeName->SetText(QString::fromStdString(name));
        couAnzKunde->Increment();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.KIQueryOnGepGelesen", e, 1);
    }
}

void TDM::KIQueryOnGepSelektiert(const TIntPair&, const std::string&) {
    try {
        couAnzVkPos->Increment();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.KIQueryOnGepSelektiert", e, 1);
    }
}

void TDM::KIQueryOnLFNRGelesen(const TIntPair&, const std::string& name, int32_t, int32_t,
                               const std::string&) {
    try {
        couKundeName->SetText(QString::fromStdString(name));
        couAnzKunde->Increment();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.KIQueryOnLFNRGelesen", e, 1);
    }
}

void TDM::KIQueryOnLSTGelesen() {
    try {
        couAnzVkPos->Increment();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.KIQueryOnLSTGelesen", e, 1);
    }
}

void TDM::KIQueryOnKIVKGelesen() {
    try {
        couAnzVkPos->Increment();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.KIQueryOnKIVKGelesen", e, 1);
    }
}

void TDM::prgDlgAbort() {
    try {
        if (KIQuery) KIQuery->SetActive(false);
        PrgDlgActive = false;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.prgDlgAbort", e, 1);
    }
}
