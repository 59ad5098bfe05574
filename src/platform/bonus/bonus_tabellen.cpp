#include "platform/bonus/bonus_tabellen.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "platform/services/number_format.h"
#include "platform/services/orv_parameter.h"
#include "platform/services/orv_program.h"
#include "platform/services/orv_utils.h"
#include "platform/store/database.h"
#include "platform/store/work_files.h"

namespace {

// Bonus record joined with its service record; the same columns from the temporary file,
// which has no service records (a new bonus is unused).
const char* const kSpalten =
    "SELECT b.RNR, b.LNR, b.SNR, b.PROGRAMMID, b.PROGRAMM, b.ART, b.DATUM, b.WERT, b.BASISWERT, "
    "b.STATUS, b.GUELTIGBIS, b.MINUMSATZ, b.TEXT";

int32_t Zahl(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && end == text.data() + text.size() ? v : 0;
}

std::optional<long double> Betrag(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const long double v = std::strtold(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !std::isfinite(double(v))) return std::nullopt;
    return v;
}

std::string Trim(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
    size_t a = 0;
    while (a < s.size() && s[a] == ' ') ++a;
    return s.substr(a);
}

}  // namespace

std::vector<TBonusItem> TBonusTabellen::ItemsAusText(const std::string& text) {
    std::vector<TBonusItem> items;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (Trim(line).empty()) continue;
        // Fixed part: kind (2), first number (4), second number (9); an optional tail after ";".
        const size_t semi = line.find(';');
        const std::string fest = line.substr(0, std::min(semi, size_t(15)));
        TBonusItem item;
        item.Art = Trim(fest.substr(0, std::min<size_t>(2, fest.size())));
        if (fest.size() > 2) item.Nr1 = Zahl(std::string_view(fest).substr(2, 4));
        if (fest.size() > 6) item.Nr2 = Zahl(std::string_view(fest).substr(6, 9));
        if (semi != std::string::npos) {
            std::vector<std::string> teile;
            size_t a = semi + 1;
            while (true) {
                const size_t b = line.find(';', a);
                teile.push_back(line.substr(a, b == std::string::npos ? std::string::npos : b - a));
                if (b == std::string::npos) break;
                a = b + 1;
            }
            if (teile.size() > 0) item.Datum = double(Betrag(teile[0]).value_or(0));
            if (teile.size() > 1) item.Wert = Betrag(teile[1]);
            if (teile.size() > 2) item.Bonus = Betrag(teile[2]);
            if (teile.size() > 3) item.Nr3 = Zahl(teile[3]);
            if (teile.size() > 4) TInt32Trio::FromString(Trim(teile[4]), item.ArtikelNr);
        }
        items.push_back(std::move(item));
    }
    return items;
}

void TBonusTabellen::UseTMP(int flag, const std::string& programmId, const std::string& programmName) {
    useTmp_ = flag;
    tmpId_ = flag ? programmId : std::string();
    tmpName_ = flag ? programmName : std::string();
}

void TBonusTabellen::Open() { ++openCount_; }

void TBonusTabellen::Close() {
    if (openCount_ > 0) --openCount_;
}

void TBonusTabellen::Clear() {
    tabellen_.clear();
    kunde_ = {};
    wertAlt_ = bonusAlt_ = wertNeu_ = bonusNeu_ = bonusAbg_ = bonusKasse_ = 0;
}

const TBonusTabelle* TBonusTabellen::FindTabelle(const TBonusIdent& ident) const {
    for (const auto& t : tabellen_)
        if (t.ident_ == ident) return &t;
    return nullptr;
}

void TBonusTabellen::SetKundeGepNr(const TIntPair& kunde) {
    Clear();
    kunde_ = kunde;
    if (kunde.IsNull()) return;
    Lesen(false);
    if (useTmp_ == 1) Lesen(true);

    const bool kasseNurAbgeschlossen =
        ORVParameter().GetCharValueByName("BONUNUAB", 'N') == 'J';
    for (const auto& t : tabellen_) {
        if (t.neu_) {
            wertNeu_ += t.wert_;
            bonusNeu_ += t.bonus_;
            continue;
        }
        wertAlt_ += t.wert_;
        bonusAlt_ += t.bonus_;
        if (!t.IstOffen()) continue;
        if (t.abgeschlossen_) bonusAbg_ += t.bonus_;
        if (!t.abgelaufen_ && (t.abgeschlossen_ || !kasseNurAbgeschlossen)) bonusKasse_ += t.bonus_;
    }
}

void TBonusTabellen::Lesen(bool temporaer) {
    kis::store::Database* db = nullptr;
    std::shared_ptr<kis::store::Database> work;
    if (temporaer) {
        // The temporary file exists only after a generation run of this process.
        const std::string name = kis::store::WorkFileName("BONUTMP.");
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::path(kis::store::WorkDir()) / name, ec)) return;
        work = kis::store::WorkFileConnection(name, false);
        db = work.get();
    } else {
        if (!kis::store::HasSuiteDb()) return;
        db = &kis::store::SuiteDb();
    }
    const std::string sql =
        std::string(kSpalten) +
        (temporaer ? ", '', '', '' FROM BONUTMP b WHERE b.KUNDE_L = ?1 AND b.KUNDE_R = ?2 "
                     "AND b.PROGRAMMID = ?3 AND b.PROGRAMM = ?4"
                   : ", d.STATUS, d.VERWENDET, d.VERWREF FROM BONUS b LEFT JOIN DIENST d "
                     "ON d.RNR = b.RNR AND d.LNR = b.LNR AND d.SNR = b.SNR "
                     "WHERE b.KUNDE_L = ?1 AND b.KUNDE_R = ?2") +
        " ORDER BY b.DATUM, b.RNR, b.LNR, b.SNR";
    kis::store::Statement& s = db->Cached(sql);
    s.Bind(1, kunde_.Lnr).Bind(2, kunde_.Rnr);
    if (temporaer) s.Bind(3, tmpId_).Bind(4, tmpName_);
    const TDateTime heute = heute_ != 0 ? heute_ : std::floor(orv_Date());
    try {
        while (s.Step()) {
            TBonusTabelle t;
            t.ident_ = {int32_t(s.ColumnInt(0)), int32_t(s.ColumnInt(1)), int16_t(s.ColumnInt(2))};
            t.kennung_ = Trim(s.ColumnText(3));
            t.name_ = Trim(s.ColumnText(4));
            const std::string art = Trim(s.ColumnText(5));
            t.datum_ = s.ColumnDouble(6);
            t.bonus_ = s.ColumnDouble(7);
            t.wert_ = s.ColumnDouble(8);
            t.abgeschlossen_ = Trim(s.ColumnText(9)) == "A";
            t.gueltigBis_ = s.ColumnDouble(10);
            t.abgelaufen_ = t.gueltigBis_ != 0 && std::floor(t.gueltigBis_) < heute;
            t.minVk_ = s.ColumnDouble(11);
            t.neu_ = temporaer;
            t.verwendet_ = Trim(s.ColumnText(14));
            const std::string ref = Trim(s.ColumnText(15));
            if (ref.size() > 4) {
                t.verwRef1_ = Zahl(std::string_view(ref).substr(0, 4));
                t.verwRef2_ = Zahl(std::string_view(ref).substr(4));
            }
            t.items_ = ItemsAusText(s.ColumnText(12));
            if (art == "BM" && t.items_.empty()) {
                // A manual grant: one item with the grant's own values.
                TBonusItem item;
                item.Art = "BM";
                item.Datum = t.datum_;
                item.Wert = t.wert_;
                item.Bonus = t.bonus_;
                t.items_.push_back(item);
            }
            for (auto& item : t.items_) {
                item.Neu = temporaer;
                if (item.Datum == 0) item.Datum = t.datum_;
            }
            if (t.items_.size() == 1) {
                // One item earned the whole bonus.
                if (!t.items_[0].Wert) t.items_[0].Wert = t.wert_;
                if (!t.items_[0].Bonus) t.items_[0].Bonus = t.bonus_;
            }
            tabellen_.push_back(std::move(t));
        }
    } catch (...) {
        s.Reset();
        throw;
    }
    s.Reset();
}
