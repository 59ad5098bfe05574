#pragma once
// The business-partner selection: applies a TGpSelektFilter to one customer at a time.
// BestenSchluesselWaehlen compiles the filter once per run; where a criterion can be looked
// up through an index (an exact attribute or number value, the name search), the matching
// customers are read once into a set, so most customers are rejected without a read. Each
// remaining check is one indexed read of the customer plus, only when such criteria exist,
// one read of its attributes and one of its numbers.
#include <atomic>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/match/text_match.h"
#include "platform/partners/gp_bereich_kriterium.h"
#include "platform/partners/gp_satz.h"
#include "platform/partners/gp_selekt_filter.h"
#include "platform/partners/gp_wert_kriterium.h"

enum class TGpSchluessel { GepNr, Merkmal, Nummer, Suchname };

class TGpSelektion {
public:
    // Starts a run: forgets filter, compiled criteria, the stop request and the current record.
    void Init();
    void SetFilter(const TGpSelektFilter& filter);
    const TGpSelektFilter& Filter() const { return filter_; }
    // Compiles the filter and reads the candidate set of the chosen key.
    TGpSchluessel BestenSchluesselWaehlen();
    TGpSchluessel Schluessel() const { return schluessel_; }
    // True when the customer exists and meets every criterion; false after a stop request.
    // The customer's record becomes the current record (also when it fails).
    bool SelektionCheck(const TIntPair& kunde);
    // A stop request ends a running selection: further checks fail at once.
    void SetStop(bool stop) { stop_ = stop; }
    bool Gestoppt() const { return stop_; }
    // Ends the run; the compiled criteria and the candidate set are dropped.
    void End();

    // The current record and its name parts (empty before the first check).
    const TGpSatz& Aktuell() const { return aktuell_; }
    const std::string& Name() const { return aktuell_.Name; }
    const std::string& Name2() const { return aktuell_.Name2; }
    const std::string& Vorname() const { return aktuell_.Vorname; }
    // The name-search text of the filter.
    const std::string& SuchText() const { return filter_.SuchText; }

    // Customers whose search name begins with `text` ('*' and '?' allowed; case ignored),
    // ordered by search name. The database's own wildcards in the text are taken literally.
    static std::vector<TIntPair> SuchnameKeys(const std::string& text);

private:
    struct TextKrit {
        const std::string TGpSatz::*feld;
        kis::match::Pattern muster;
        bool negiert;
    };
    void Compile();
    bool CheckStamm(const TGpSatz& g) const;
    bool CheckMerkmale(const TIntPair& kunde);
    bool CheckNummern(const TIntPair& kunde);
    void LadeKandidaten(const std::string& sql, const std::string& name, const std::string& wert);

    TGpSelektFilter filter_;
    bool compiled_ = false;
    std::atomic<bool> stop_{false};  // may be set from another thread to stop a run
    TGpSchluessel schluessel_ = TGpSchluessel::GepNr;
    std::unordered_set<TIntPair> kandidaten_;
    bool mitKandidaten_ = false;

    std::vector<TextKrit> texte_;
    std::vector<kis::partners::BereichKriterium> bereiche_;
    std::vector<kis::partners::WertKriterium> merkmale_;
    std::vector<kis::partners::WertKriterium> nummern_;
    kis::match::Pattern suche_;
    bool sucheAktiv_ = false;

    TGpSatz aktuell_;
};
