#include "platform/partners/customer_master.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "platform/match/text_match.h"
#include "platform/partners/gp_data.h"
#include "platform/partners/gp_satz_sql.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"
#include "platform/store/shared_instance.h"

namespace kis::partners {

namespace {

using kis::store::Statement;
using kis::store::SuiteDb;

constexpr const char* kTrefferSpalten =
    "SELECT GEPNR_L, GEPNR_R, NAME, NAME2, VORNAME, PLZ, ORT, STRASSE, STATUS FROM GEP ";

TKundenTreffer TrefferAus(Statement& s) {
    return {TIntPair(int32_t(s.ColumnInt(0)), int32_t(s.ColumnInt(1))),
            s.ColumnText(2), s.ColumnText(3), s.ColumnText(4), s.ColumnText(5),
            s.ColumnText(6), s.ColumnText(7), s.ColumnText(8)};
}

// Customers of the client company are those in its customer list; 0/0 means every partner.
constexpr const char* kMandantBedingung =
    "(?1 = 0 AND ?2 = 0 OR EXISTS (SELECT 1 FROM KULI WHERE KULI.KUNDE_L = GEP.GEPNR_L AND "
    "KULI.KUNDE_R = GEP.GEPNR_R AND KULI.MANDANT_L = ?1 AND KULI.MANDANT_R = ?2))";

// The LIKE argument of a search text: without wildcards the text is a prefix.
std::string LikeArgument(const std::string& muster) {
    std::string folded = kis::match::Pattern(kis::match::Trim(muster), true).Folded();
    if (folded.find_first_of("*?") == std::string::npos) folded += '*';
    return kis::match::LikeFromPattern(folded);
}

bool AllDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool GueltigeEmail(const std::string& e) {
    const auto at = e.find('@');
    if (at == std::string::npos || at == 0 || e.find('@', at + 1) != std::string::npos) return false;
    const auto dot = e.find('.', at + 2);
    if (dot == std::string::npos || dot + 1 >= e.size()) return false;
    return std::none_of(e.begin(), e.end(), [](unsigned char c) { return std::isspace(c); });
}

bool GueltigesTelefon(const std::string& t) {
    return std::all_of(t.begin(), t.end(), [](unsigned char c) {
        return std::isdigit(c) || c == ' ' || c == '+' || c == '-' || c == '/' || c == '(' || c == ')';
    });
}

void LeseMerkmaleUndNummern(TKundenStamm& k) {
    Statement& m = SuiteDb().Cached(
        "SELECT MERKMAL, WERT FROM GPMERKMAL WHERE GEPNR_L = ? AND GEPNR_R = ? ORDER BY MERKMAL");
    m.Bind(1, k.GepNr.Lnr).Bind(2, k.GepNr.Rnr);
    while (m.Step()) k.Merkmale.push_back({m.ColumnText(0), m.ColumnText(1)});
    m.Reset();
    Statement& n = SuiteDb().Cached(
        "SELECT ART, NUMMER FROM GPNUMMER WHERE GEPNR_L = ? AND GEPNR_R = ? ORDER BY ART, NUMMER");
    n.Bind(1, k.GepNr.Lnr).Bind(2, k.GepNr.Rnr);
    while (n.Step()) k.Nummern.push_back({n.ColumnText(0), n.ColumnText(1)});
    n.Reset();
}

void BindStamm(Statement& s, const TKundenStamm& k) {
    s.Bind(1, k.Anrede).Bind(2, k.Name).Bind(3, k.Name2).Bind(4, k.Vorname).Bind(5, k.Suchname)
        .Bind(6, k.Strasse).Bind(7, k.Plz).Bind(8, k.Ort).Bind(9, k.Land).Bind(10, k.Telefon)
        .Bind(11, k.Email).Bind(12, k.Geburtstag).Bind(13, k.Geschlecht).Bind(14, k.Status)
        .Bind(15, int(k.Werbung)).Bind(16, int(k.Serienbrief)).Bind(17, k.Kundengruppe)
        .Bind(18, k.Filiale).Bind(19, k.GepNr.Lnr).Bind(20, k.GepNr.Rnr);
}

void SchreibeMerkmaleUndNummern(const TKundenStamm& k) {
    Statement& dm = SuiteDb().Cached("DELETE FROM GPMERKMAL WHERE GEPNR_L = ? AND GEPNR_R = ?");
    dm.Bind(1, k.GepNr.Lnr).Bind(2, k.GepNr.Rnr).Run();
    for (const auto& m : k.Merkmale) {
        if (kis::match::IsBlank(m.Name)) continue;
        static const std::string kSql = kis::store::sql::InsertOrReplace(
            "GPMERKMAL", "GEPNR_L, GEPNR_R, MERKMAL, WERT", "?, ?, ?, ?");
        Statement& im = SuiteDb().Cached(kSql);
        im.Bind(1, k.GepNr.Lnr).Bind(2, k.GepNr.Rnr).Bind(3, kis::match::Trim(m.Name))
            .Bind(4, kis::match::Trim(m.Wert)).Run();
    }
    Statement& dn = SuiteDb().Cached("DELETE FROM GPNUMMER WHERE GEPNR_L = ? AND GEPNR_R = ?");
    dn.Bind(1, k.GepNr.Lnr).Bind(2, k.GepNr.Rnr).Run();
    for (const auto& n : k.Nummern) {
        if (kis::match::IsBlank(n.Art) || kis::match::IsBlank(n.Nummer)) continue;
        Statement& in = SuiteDb().Cached(
            "INSERT INTO GPNUMMER (GEPNR_L, GEPNR_R, ART, NUMMER) VALUES (?, ?, ?, ?)");
        in.Bind(1, k.GepNr.Lnr).Bind(2, k.GepNr.Rnr).Bind(3, kis::match::Trim(n.Art))
            .Bind(4, kis::match::Trim(n.Nummer)).Run();
    }
}

}  // namespace

std::optional<TKundenStamm> TCustomerMaster::Lesen(const TIntPair& gepNr) {
    Statement& s = SuiteDb().Cached(std::string("SELECT ") + kGpSpalten +
                                    " FROM GEP WHERE GEPNR_L = ? AND GEPNR_R = ?");
    s.Bind(1, gepNr.Lnr).Bind(2, gepNr.Rnr);
    if (!s.Step()) {
        s.Reset();
        return std::nullopt;
    }
    TKundenStamm k;
    ReadGpSatz(s, k);
    s.Reset();
    LeseMerkmaleUndNummern(k);
    return k;
}

bool TCustomerMaster::Existiert(const TIntPair& gepNr) {
    Statement& s = SuiteDb().Cached("SELECT 1 FROM GEP WHERE GEPNR_L = ? AND GEPNR_R = ?");
    s.Bind(1, gepNr.Lnr).Bind(2, gepNr.Rnr);
    const bool found = s.Step();
    s.Reset();
    return found;
}

std::vector<TKundenTreffer> TCustomerMaster::SucheName(const TIntPair& mandant,
                                                       const std::string& muster, int limit) {
    using kis::store::sql::Fold;
    static const std::string kSql =
        std::string(kTrefferSpalten) + "WHERE " + kMandantBedingung + " AND (" + Fold("NAME") +
        " LIKE ?3 ESCAPE '\\' OR " + Fold("SUCHNAME") + " LIKE ?3 ESCAPE '\\' OR " +
        Fold("VORNAME") + " LIKE ?3 ESCAPE '\\') "
        "ORDER BY NAME, NAME2, VORNAME, GEPNR_L, GEPNR_R LIMIT ?4";
    Statement& s = SuiteDb().Cached(kSql);
    s.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, LikeArgument(muster)).Bind(4, limit);
    std::vector<TKundenTreffer> out;
    while (s.Step()) out.push_back(TrefferAus(s));
    s.Reset();
    return out;
}

std::vector<TKundenTreffer> TCustomerMaster::SucheNummer(const TIntPair& mandant, int32_t nummer,
                                                         int limit) {
    Statement& s = SuiteDb().Cached(std::string(kTrefferSpalten) + "WHERE " + kMandantBedingung +
                                    " AND GEPNR_L >= ?3 ORDER BY GEPNR_L, GEPNR_R LIMIT ?4");
    s.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, nummer).Bind(4, limit);
    std::vector<TKundenTreffer> out;
    while (s.Step()) out.push_back(TrefferAus(s));
    s.Reset();
    return out;
}

std::optional<TIntPair> TCustomerMaster::Naechster(const TIntPair& mandant, const std::string& muster,
                                                   const TIntPair& gepNr) {
    const auto treffer = SucheName(mandant, muster, 100000);
    for (size_t i = 0; i < treffer.size(); ++i)
        if (treffer[i].GepNr == gepNr)
            return i + 1 < treffer.size() ? std::optional(treffer[i + 1].GepNr) : std::nullopt;
    return std::nullopt;
}

std::vector<TKundenFehler> TCustomerMaster::Pruefen(const TKundenStamm& k) {
    using kis::match::IsBlank;
    using kis::match::Trim;
    std::vector<TKundenFehler> f;
    if (IsBlank(k.Name)) f.push_back({"Name", "Bitte geben Sie den Namen des Kunden ein."});
    if (k.Name.size() > 60 || k.Name2.size() > 60 || k.Vorname.size() > 60)
        f.push_back({"Name", "Name, Name 2 und Vorname dürfen höchstens 60 Zeichen lang sein."});
    const std::string plz = Trim(k.Plz);
    const std::string land = Trim(k.Land);
    if (!plz.empty() && (land.empty() || land == "D") && (plz.size() != 5 || !AllDigits(plz)))
        f.push_back({"PLZ", "Eine deutsche Postleitzahl besteht aus genau fünf Ziffern."});
    if (plz.size() > 10) f.push_back({"PLZ", "Die Postleitzahl ist zu lang (höchstens 10 Zeichen)."});
    if (!IsBlank(k.Email) && !GueltigeEmail(Trim(k.Email)))
        f.push_back({"E-Mail", "Die E-Mail-Adresse ist ungültig (Beispiel: name@beispiel.de)."});
    if (!GueltigesTelefon(k.Telefon))
        f.push_back({"Telefon", "Die Telefonnummer darf nur Ziffern, Leerzeichen und + - / ( ) enthalten."});
    if (k.Geburtstag != 0) {
        const TDateTime heute = kis::date::DateOf(kis::date::Now());
        if (k.Geburtstag > heute)
            f.push_back({"Geburtstag", "Der Geburtstag darf nicht in der Zukunft liegen."});
        else if (k.Geburtstag < kis::date::EncodeDate(1900, 1, 1))
            f.push_back({"Geburtstag", "Der Geburtstag darf nicht vor dem 01.01.1900 liegen."});
    }
    if (!(k.Geschlecht.empty() || k.Geschlecht == "M" || k.Geschlecht == "W" || k.Geschlecht == "U"))
        f.push_back({"Geschlecht", "Das Geschlecht ist ungültig."});
    if (k.Status != "A" && k.Status != "P")
        f.push_back({"Status", "Der Status muss aktiv oder passiv sein."});
    for (const auto& m : k.Merkmale)
        if (IsBlank(m.Name) && !IsBlank(m.Wert))
            f.push_back({"Merkmal", "Zu einem Merkmalswert fehlt der Name des Merkmals."});
    for (const auto& n : k.Nummern)
        if (IsBlank(n.Art) != IsBlank(n.Nummer))
            f.push_back({"Nummer", "Eine Kundennummer braucht eine Art und eine Nummer."});
    return f;
}

TIntPair TCustomerMaster::NaechsteNummer() {
    Statement& s = SuiteDb().Cached("SELECT COALESCE(MAX(GEPNR_L), 0) FROM GEP");
    s.Step();
    const int64_t last = s.ColumnInt(0);
    s.Reset();
    if (last >= INT32_MAX) throw std::runtime_error("Es ist keine freie Kundennummer mehr vorhanden.");
    return TIntPair(int32_t(last + 1), 0);
}

TIntPair TCustomerMaster::Speichern(TKundenStamm& k) {
    const auto fehler = Pruefen(k);
    if (!fehler.empty()) throw std::invalid_argument(fehler.front().Meldung);
    const TKundenStamm vorher = k;
    try {
        const bool neu = k.GepNr.IsNull();
        kis::store::BookingScope booking(kBuchungKundenstamm, k.GepNr);
        if (neu) {
            k.GepNr = NaechsteNummer();
            k.Anlagedatum = kis::date::DateOf(kis::date::Now());
            Statement& s = SuiteDb().Cached(
                "INSERT INTO GEP (ANREDE, NAME, NAME2, VORNAME, SUCHNAME, STRASSE, PLZ, ORT, LAND, "
                "TELEFON, EMAIL, GEBURTSTAG, GESCHLECHT, STATUS, WERBUNG, SERIENBRIEF, "
                "KUNDENGRUPPE, FILIALE, GEPNR_L, GEPNR_R, MANDANT_L, MANDANT_R, ANLAGEDATUM) "
                "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, "
                "?17, ?18, ?19, ?20, ?21, ?22, ?23)");
            BindStamm(s, k);
            s.Bind(21, k.Mandant.Lnr).Bind(22, k.Mandant.Rnr).Bind(23, k.Anlagedatum).Run();
            static const std::string kKuli = kis::store::sql::InsertOrIgnore(
                "KULI", "KUNDE_L, KUNDE_R, MANDANT_L, MANDANT_R, ART", "?, ?, ?, ?, 'B'");
            Statement& kuli = SuiteDb().Cached(kKuli);
            kuli.Bind(1, k.GepNr.Lnr).Bind(2, k.GepNr.Rnr).Bind(3, k.Mandant.Lnr)
                .Bind(4, k.Mandant.Rnr).Run();
        } else {
            Statement& s = SuiteDb().Cached(
                "UPDATE GEP SET ANREDE = ?1, NAME = ?2, NAME2 = ?3, VORNAME = ?4, SUCHNAME = ?5, "
                "STRASSE = ?6, PLZ = ?7, ORT = ?8, LAND = ?9, TELEFON = ?10, EMAIL = ?11, "
                "GEBURTSTAG = ?12, GESCHLECHT = ?13, STATUS = ?14, WERBUNG = ?15, "
                "SERIENBRIEF = ?16, KUNDENGRUPPE = ?17, FILIALE = ?18 "
                "WHERE GEPNR_L = ?19 AND GEPNR_R = ?20");
            BindStamm(s, k);
            s.Run();
            if (SuiteDb().Changes() == 0)
                throw std::runtime_error("Der Kunde " + k.GepNr.ToString() + " ist nicht mehr vorhanden.");
        }
        SchreibeMerkmaleUndNummern(k);
        booking.Commit();
        // The shared business-partner data keeps its last record; it must not show the old one.
        if (kis::store::SharedInstance<TGpData>::Count() > 0) {
            GlobGpData_GetInstance()->Close();
            GlobGpData_ReleaseInstance();
        }
        return k.GepNr;
    } catch (...) {
        k = vorher;  // a failed save leaves the caller's record as it was
        throw;
    }
}

}  // namespace kis::partners
