#pragma once
// Builds small suite databases in code for tests: an in-memory database that becomes the
// process's suite database, a private work directory and log folder, and one call per kind
// of record (client company, customers, documents with positions, payments, ledger bookings,
// day closings, open items, open transactions, bonuses, accounts, payment means, articles,
// suppliers, seasons, parameters). Every call writes one or a few rows and commits them.
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"
#include "platform/store/database.h"
#include "platform/store/field_value.h"

namespace kis::test {

// One sales position of a document.
struct Pos {
    std::string art = "A9";
    double ist = 0;
    double soll = 0;
    int menge = 1;
    TInt32Trio artikel{};
    std::string vkkz = "0";
    int groesse = 0;
    TDateTime datum = 0;  // 0: the document's date
    int posnr = 0;        // 0: numbered 1, 2, ... in order
    std::string bonus1art;
};

// A bonus in the bonus file (with its service record) or in the run's temporary bonus file.
struct BonusDaten {
    int rnr = 0, lnr = 0, snr = 0;
    TIntPair kunde;
    std::string programmId = "BONUSUMSA";
    std::string programm = "Umsatz";
    std::string art;  // "BM" for manual grants
    TDateTime datum = 0;
    double wert = 0;   // the bonus
    double basis = 0;  // the sales value that earned it
    std::string status = "O";
    TDateTime gueltigBis = 0;
    double minUmsatz = 0;
    std::string text;       // text block: one line per document
    std::string verwendet;  // used-mark of the service record
    std::string verwRef;    // usage reference "%.4d%.9d"
};

class SuiteFixture {
public:
    // Creates the database with client company 1/0 ("M1") as the current one; in memory, or
    // with `datei` as the file "suite.db" in the fixture's folder (for tools run as processes).
    explicit SuiteFixture(bool datei = false);
    ~SuiteFixture();
    SuiteFixture(const SuiteFixture&) = delete;
    SuiteFixture& operator=(const SuiteFixture&) = delete;

    kis::store::Database& Db() { return *db_; }
    const std::filesystem::path& Dir() const { return dir_; }
    std::filesystem::path DbPath() const { return dir_ / "suite.db"; }
    TIntPair AktMandant() const { return {1, 0}; }

    // Writes one row into a table: field name and value; unnamed fields stay empty / 0.
    void Row(const std::string& table,
             std::initializer_list<std::pair<const char*, kis::store::FieldValue>> fields);

    void Mandant(const TIntPair& nr, const std::string& bezeichnung);
    // A customer: partner record and customer-list row (kind "B") of the client company.
    TIntPair Kunde(int nr, const std::string& name, const std::string& vorname = "",
                   const TIntPair& mandant = {1, 0});
    // A customer-list row only (e.g. the same customer for a second client company).
    void KundeInListe(const TIntPair& kunde, const TIntPair& mandant);
    // A document of the index and its positions in the sales list of the current client
    // company. Kind "BO" or "RG"; branch = rnr; the index's BELEGLNR equals rnr.
    void Beleg(const TIntPair& kunde, int rnr, int lnr, TDateTime datum, std::vector<Pos> pos,
               const std::string& art = "BO", int belegRnr = 0);
    // Positions without an index record (for open transactions).
    void Positionen(int rnr, int lnr, TDateTime datum, std::vector<Pos> pos);
    void Zahlung(int rnr, int lnr, int posnr, const std::string& zmkz, const std::string& konto,
                 double betrag, const std::string& art = "Z", const std::string& gutscheinNr = "",
                 TDateTime datum = 0);
    void Buchung(int rnr, int lnr, int posnr, const std::string& konto, double betrag);
    void Tagesabschluss(int filiale, TDateTime datum, int erstNr, int letztNr);
    void OffenerPosten(const TIntPair& kunde, const std::string& tabelle,
                       const std::string& status, TDateTime datum, double betrag1,
                       double betrag2, int rnr = 0, int lnr = 0, int snr = 0);
    void OffenerVorgang(const std::string& phase, const TIntPair& partei1,
                        const TIntPair& partei2, int rnr, int lnr, int nr1, int nr2,
                        int belegLnr, int belegRnr);
    void Bonus(int rnr, int lnr, int snr, const TIntPair& kunde, int laenge,
               const std::string& status = "O");
    // A stored bonus: bonus record and service record.
    void GespeicherterBonus(const BonusDaten& b);
    // A bonus of the run's temporary bonus file ("BONUTMP." + process id), created on first use.
    void TemporaererBonus(const BonusDaten& b);
    void Konto(const std::string& konto, int kontoArt, int zmIndex);
    void Zahlungsmittel(int nr, const std::string& kuerzel, int selektorArt,
                        const std::string& konto);
    void Artikel(const TInt32Trio& nr, int lieferant, const std::string& liefArtNr,
                 const std::string& saison = "", int saisonJahr = 0,
                 const std::vector<std::string>& merkmale = {}, const std::string& variante = "");
    void Lieferant(int nr, const std::string& kurzname, const std::string& name);
    void Saison(const std::string& kuerzel, int jahr, TDateTime von, TDateTime bis);
    void Parameter(const std::string& name, const std::string& wert);

    // A date.
    static TDateTime D(int y, int m, int d) { return kis::date::EncodeDate(y, m, d); }

private:
    std::unique_ptr<kis::store::Database> db_;
    std::filesystem::path dir_;
};

}  // namespace kis::test
