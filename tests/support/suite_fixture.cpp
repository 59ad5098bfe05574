#include "support/suite_fixture.h"

#include <unistd.h>

#include "platform/articles/artikel_tools.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_parameter.h"
#include "platform/services/orv_program.h"
#include "platform/store/record_file.h"
#include "platform/store/work_files.h"

namespace kis::test {

using kis::store::FieldValue;

SuiteFixture::SuiteFixture(bool datei) {
    static int counter = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("kis_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::create_directories(dir_);
    kis::store::SetWorkDir(dir_.string());
    db_ = datei ? kis::store::Database::CreateSuite(DbPath().string())
                : kis::store::Database::OpenMemory();
    kis::store::SetSuiteDb(db_.get());
    ORVInfo().SetDataDir(dir_);
    ORVInfo().SetProcessMessagesHook(nullptr);
    ORVInfo().SetTerminateAction([](const std::string&) {});
    ORVInfo().ClearEntries();
    ORVProgramm().ReloadSettings();
    ORVProgramm().SetKundenkennung("");
    ORVProgramm().SetAktMandant({1, 0});
    TArtikelTools::CacheLeeren();
    Mandant({1, 0}, "M1");
}

SuiteFixture::~SuiteFixture() {
    kis::store::RemoveOwnWorkFiles();
    kis::store::SetSuiteDb(nullptr);
    db_.reset();
    TArtikelTools::CacheLeeren();
    ORVProgramm().SetAktMandant({});
    ORVProgramm().ReloadSettings();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void SuiteFixture::Row(const std::string& table,
                       std::initializer_list<std::pair<const char*, FieldValue>> fields) {
    kis::store::TQEL_DBFile file(table);
    file.OpenOut();
    file.ClearRecord();
    for (const auto& [name, value] : fields) file.Feld(name).SetWert(value);
    db_->Begin();
    try {
        file.Insert();
        db_->Commit();
    } catch (...) {
        db_->Rollback();
        throw;
    }
}

void SuiteFixture::Mandant(const TIntPair& nr, const std::string& bezeichnung) {
    Row("MANDANT", {{"NR", nr}, {"BEZEICHNUNG", bezeichnung}, {"NAME", bezeichnung}});
}

TIntPair SuiteFixture::Kunde(int nr, const std::string& name, const std::string& vorname,
                             const TIntPair& mandant) {
    const TIntPair key(nr, 0);
    Row("GEP", {{"GEPNR", key},
                {"MANDANT", mandant},
                {"NAME", name},
                {"VORNAME", vorname},
                {"SUCHNAME", name},
                {"STATUS", "A"}});
    KundeInListe(key, mandant);
    return key;
}

void SuiteFixture::KundeInListe(const TIntPair& kunde, const TIntPair& mandant) {
    Row("KULI", {{"KUNDE", kunde}, {"MANDANT", mandant}, {"ART", "B"}});
}

void SuiteFixture::Beleg(const TIntPair& kunde, int rnr, int lnr, TDateTime datum,
                         std::vector<Pos> pos, const std::string& art, int belegRnr) {
    double summe = 0;
    for (const auto& p : pos) summe += p.ist;
    Row("LFNR", {{"MANDANT", AktMandant()},
                 {"KUNDE", kunde},
                 {"BELEGART", art},
                 {"BELEGLNR", rnr},
                 {"BELEGRNR", belegRnr ? belegRnr : 100000 + lnr},
                 {"RNR", rnr},
                 {"LNR", lnr},
                 {"DATUM", datum},
                 {"SUMME", summe}});
    Positionen(rnr, lnr, datum, std::move(pos));
}

void SuiteFixture::Positionen(int rnr, int lnr, TDateTime datum, std::vector<Pos> pos) {
    int n = 0;
    for (const auto& p : pos) {
        ++n;
        Row("LST", {{"MANDANT", AktMandant()},
                    {"RNR", rnr},
                    {"LNR", lnr},
                    {"POSNR", p.posnr ? p.posnr : n},
                    {"ART", p.art},
                    {"DATUM", p.datum ? p.datum : datum},
                    {"FILIALE", rnr},
                    {"ARTIKELNR", p.artikel},
                    {"GROESSE", p.groesse},
                    {"VKKZ", p.vkkz},
                    {"ISTVK", p.ist},
                    {"SOLLVK", p.soll ? p.soll : p.ist},
                    {"MENGE", p.menge},
                    {"BONUS1ART", p.bonus1art}});
    }
}

void SuiteFixture::Zahlung(int rnr, int lnr, int posnr, const std::string& zmkz,
                           const std::string& konto, double betrag, const std::string& art,
                           const std::string& gutscheinNr, TDateTime datum) {
    Row("ZM", {{"MANDANT", AktMandant()},
               {"RNR", rnr},
               {"LNR", lnr},
               {"POSNR", posnr},
               {"ZMKZ", zmkz},
               {"KONTO", konto},
               {"BETRAG", betrag},
               {"ART", art},
               {"GUTSCHEINNR", gutscheinNr},
               {"DATUM", datum}});
}

void SuiteFixture::Buchung(int rnr, int lnr, int posnr, const std::string& konto, double betrag) {
    Row("GUV", {{"MANDANT", AktMandant()},
                {"RNR", rnr},
                {"LNR", lnr},
                {"POSNR", posnr},
                {"KONTO", konto},
                {"BETRAG", betrag}});
}

void SuiteFixture::Tagesabschluss(int filiale, TDateTime datum, int erstNr, int letztNr) {
    Row("KV", {{"MANDANT", AktMandant()},
               {"FILIALE", filiale},
               {"DATUM", datum},
               {"ERSTNR", erstNr},
               {"LETZTNR", letztNr}});
}

void SuiteFixture::OffenerPosten(const TIntPair& kunde, const std::string& tabelle,
                                 const std::string& status, TDateTime datum, double betrag1,
                                 double betrag2, int rnr, int lnr, int snr) {
    Row("OP", {{"MANDANT", AktMandant()},
               {"KUNDE", kunde},
               {"TABELLE", tabelle},
               {"STATUS", status},
               {"DATUM", datum},
               {"BETRAG1", betrag1},
               {"BETRAG2", betrag2},
               {"RNR", rnr},
               {"LNR", lnr},
               {"SNR", snr}});
}

void SuiteFixture::OffenerVorgang(const std::string& phase, const TIntPair& partei1,
                                  const TIntPair& partei2, int rnr, int lnr, int nr1, int nr2,
                                  int belegLnr, int belegRnr) {
    Row("ATK", {{"MANDANT", AktMandant()},
                {"PHASE", phase},
                {"PARTEI1", partei1},
                {"PARTEI2", partei2},
                {"RNR", rnr},
                {"LNR", lnr},
                {"NR1", nr1},
                {"NR2", nr2},
                {"BELEGLNR", belegLnr},
                {"BELEGRNR", belegRnr}});
}

void SuiteFixture::Bonus(int rnr, int lnr, int snr, const TIntPair& kunde, int laenge,
                         const std::string& status) {
    Row("BONUS", {{"RNR", rnr},
                  {"LNR", lnr},
                  {"SNR", snr},
                  {"MANDANT", AktMandant()},
                  {"KUNDE", kunde},
                  {"LAENGE", laenge},
                  {"STATUS", status}});
}

namespace {

void BonusFelder(kis::store::TQEL_DBFile& f, const BonusDaten& b, const TIntPair& mandant) {
    f.ClearRecord();
    f.Feld("RNR").SetWert(b.rnr);
    f.Feld("LNR").SetWert(b.lnr);
    f.Feld("SNR").SetWert(b.snr);
    f.Feld("MANDANT").SetWert(mandant);
    f.Feld("PROGRAMMID").SetWert(b.programmId);
    f.Feld("PROGRAMM").SetWert(b.programm);
    f.Feld("KUNDE").SetWert(b.kunde);
    f.Feld("ART").SetWert(b.art);
    f.Feld("DATUM").SetWert(double(b.datum));
    f.Feld("WERT").SetWert(b.wert);
    f.Feld("BASISWERT").SetWert(b.basis);
    f.Feld("STATUS").SetWert(b.status);
    f.Feld("GUELTIGBIS").SetWert(double(b.gueltigBis));
    f.Feld("MINUMSATZ").SetWert(b.minUmsatz);
    f.Feld("TEXT").SetWert(b.text);
}

}  // namespace

void SuiteFixture::GespeicherterBonus(const BonusDaten& b) {
    kis::store::TQEL_DBFile bonus("BONUS");
    bonus.OpenOut();
    BonusFelder(bonus, b, AktMandant());
    db_->Begin();
    try {
        bonus.Insert();
        db_->Commit();
    } catch (...) {
        db_->Rollback();
        throw;
    }
    Row("DIENST", {{"RNR", b.rnr},
                   {"LNR", b.lnr},
                   {"SNR", b.snr},
                   {"STATUS", b.status},
                   {"VERWENDET", b.verwendet},
                   {"VERWREF", b.verwRef}});
}

void SuiteFixture::TemporaererBonus(const BonusDaten& b) {
    const std::string name = kis::store::WorkFileName("BONUTMP.");
    kis::store::TQEL_DBFile tmp("BONUTMP");
    tmp.SetFileNameRel(name);
    if (std::filesystem::exists(std::filesystem::path(kis::store::WorkDir()) / name)) tmp.OpenOut();
    else tmp.OpenNew();
    BonusFelder(tmp, b, AktMandant());
    tmp.Insert();
    tmp.Close();
}

void SuiteFixture::Konto(const std::string& konto, int kontoArt, int zmIndex) {
    Row("KONTO", {{"MANDANT", AktMandant()},
                  {"KONTO", konto},
                  {"KONTOART", kontoArt},
                  {"ZMINDEX", zmIndex}});
}

void SuiteFixture::Zahlungsmittel(int nr, const std::string& kuerzel, int selektorArt,
                                  const std::string& konto) {
    Row("ZAHLUNGSMITTEL",
        {{"NR", nr}, {"KUERZEL", kuerzel}, {"SELEKTORART", selektorArt}, {"KONTO", konto}});
}

void SuiteFixture::Artikel(const TInt32Trio& nr, int lieferant, const std::string& liefArtNr,
                           const std::string& saison, int saisonJahr,
                           const std::vector<std::string>& merkmale, const std::string& variante) {
    auto m = [&](size_t i) { return i < merkmale.size() ? merkmale[i] : std::string(); };
    Row("ARTIKEL", {{"ARTIKELNR", nr},
                    {"LIEFERANT", lieferant},
                    {"LIEFARTNR", liefArtNr},
                    {"SAISON", saison},
                    {"SAISONJAHR", saisonJahr},
                    {"MERKMAL1", m(0)},
                    {"MERKMAL2", m(1)},
                    {"MERKMAL3", m(2)},
                    {"MERKMAL4", m(3)},
                    {"MERKMAL5", m(4)},
                    {"MERKMAL6", m(5)},
                    {"VARIANTE", variante}});
    TArtikelTools::CacheLeeren();
}

void SuiteFixture::Lieferant(int nr, const std::string& kurzname, const std::string& name) {
    Row("LIEFERANT", {{"NR", nr}, {"KURZNAME", kurzname}, {"NAME", name}});
}

void SuiteFixture::Saison(const std::string& kuerzel, int jahr, TDateTime von, TDateTime bis) {
    Row("SAISON", {{"KUERZEL", kuerzel}, {"JAHR", jahr}, {"VON", von}, {"BIS", bis}});
}

void SuiteFixture::Parameter(const std::string& name, const std::string& wert) {
    Row("PARAMETER", {{"NAME", name}, {"WERT", wert}});
}

}  // namespace kis::test
