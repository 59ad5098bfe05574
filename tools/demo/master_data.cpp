#include "master_data.h"

#include <cstdio>

#include "bonus_rules.h"
#include "catalog.h"
#include "german_names.h"
#include "platform/base/datetime.h"
#include "platform/bonus/beta_programm.h"
#include "rng.h"
#include "suite_basics.h"
#include "table.h"

namespace kis::demo {

namespace {

constexpr uint64_t kMasterStream = 0x4D415354;  // "MAST"

void WriteCompanies() {
    Table t("MANDANT");
    struct Row { TIntPair nr; const char* shortName; const char* name; };
    const Row rows[] = {{kMandant1, "Lindenberg", "Modehaus Lindenberg GmbH"},
                        {kMandant2, "Brückner", "Sport Brückner KG"}};
    for (const auto& r : rows) {
        t.Clear();
        t.F("NR").SetWert(r.nr);
        t.F("BEZEICHNUNG").SetWert(r.shortName);
        t.F("NAME").SetWert(r.name);
        t.F("WAEHRUNG").SetWert("EUR");
        t.F("LAND").SetWert("D");
        t.Insert();
    }
}

void WriteBranches(DemoModel& m, Rng& rng) {
    Table t("FILIALE");
    const auto& places = Places();
    auto add = [&](TIntPair mandant, int nr) {
        const Place& p = places[size_t(rng.Below(places.size()))];
        t.Clear();
        t.F("MANDANT").SetWert(mandant);
        t.F("NR").SetWert(nr);
        t.F("BEZEICHNUNG").SetWert(std::string("Filiale ") + p.city);
        t.Insert();
        m.branches.push_back({nr, mandant, -1});
    };
    for (int i = 1; i <= m.size.branches1; ++i) add(kMandant1, i);
    for (int i = 0; i < m.size.branches2; ++i) add(kMandant2, kFirstBranchMandant2 + i);

    // Groups: north / south halves of company 1, all branches of each company.
    Table g("FILIALGRUPPE");
    auto member = [&](TIntPair mandant, int group, const char* text, int branch) {
        g.Clear();
        g.F("MANDANT").SetWert(mandant);
        g.F("GRUPPE").SetWert(group);
        g.F("BEZEICHNUNG").SetWert(text);
        g.F("FILIALE").SetWert(branch);
        g.Insert();
    };
    for (const auto& b : m.branches) {
        if (b.mandant == kMandant1) {
            member(kMandant1, 1, "Alle Filialen", b.nr);
            member(kMandant1, b.nr * 2 <= m.size.branches1 ? 2 : 3,
                   b.nr * 2 <= m.size.branches1 ? "Region Nord" : "Region Süd", b.nr);
        } else {
            member(kMandant2, 1, "Alle Filialen", b.nr);
        }
    }
}

void WriteSuppliers(const DemoModel& m) {
    static const char* kFirst[] = {"Alpen", "Nordsee", "Hanse", "Rhein", "Schwarzwald", "Elbe",
                                   "Isar", "Main", "Weser", "Harz", "Bodensee", "Spree", "Donau",
                                   "Mosel", "Eifel", "Allgäu", "Lüneburger", "Fränkische"};
    static const char* kSecond[] = {"Textil GmbH", "Moden KG", "Schuhfabrik GmbH",
                                    "Strickwaren AG", "Sportartikel GmbH", "Lederwaren OHG",
                                    "Bekleidungswerke GmbH", "Accessoires e.K."};
    Table t("LIEFERANT");
    for (int i = 1; i <= m.size.suppliers; ++i) {
        const char* a = kFirst[(i - 1) % 18];
        const char* b = kSecond[((i - 1) / 18 + (i - 1)) % 8];
        char shortName[16];
        std::snprintf(shortName, sizeof shortName, "L%03d", i);
        t.Clear();
        t.F("NR").SetWert(i);
        t.F("KURZNAME").SetWert(shortName);
        t.F("NAME").SetWert(std::string(a) + " " + b + (i > 144 ? " " + std::to_string(i) : ""));
        t.Insert();
    }
}

// Spring/summer and autumn/winter seasons around the sales period, plus the all-year code.
void WriteSeasons(const DemoModel& m) {
    Table t("SAISON");
    int y0, y1, mo, d;
    date::CivilFromDays(m.firstDay, y0, mo, d);
    date::CivilFromDays(m.today, y1, mo, d);
    auto add = [&](const char* code, int year, const std::string& text, double from, double to) {
        t.Clear();
        t.F("KUERZEL").SetWert(code);
        t.F("JAHR").SetWert(year);
        t.F("BEZEICHNUNG").SetWert(text);
        t.F("VON").SetWert(from);
        t.F("BIS").SetWert(to);
        t.Insert();
    };
    for (int y = y0 - 1; y <= y1 + 1; ++y) {
        add("FS", y, "Frühjahr/Sommer " + std::to_string(y), date::EncodeDate(y, 2, 1),
            date::EncodeDate(y, 7, 31));
        add("HW", y, "Herbst/Winter " + std::to_string(y), date::EncodeDate(y, 8, 1),
            date::EncodeDate(y + 1, 1, 31));
    }
    add("NOS", 0, "Ganzjahresartikel", 0, 0);
}

void WriteArticles(DemoModel& m, Rng& rng) {
    struct Group { const char* words[6]; int64_t minPrice, maxPrice; };
    static const Group kGroups[] = {
        {{"Bluse", "Kleid", "Rock", "Damenhose", "Strickjacke", "Blazer"}, 2995, 18900},
        {{"Hemd", "Sakko", "Herrenhose", "Pullover", "Anzug", "Poloshirt"}, 2995, 39900},
        {{"Kinderjacke", "Latzhose", "T-Shirt Kinder", "Kleidchen", "Schlafanzug", "Mütze"}, 995, 6995},
        {{"Sneaker", "Stiefel", "Pumps", "Halbschuh", "Sandale", "Hausschuh"}, 3995, 22900},
        {{"Gürtel", "Schal", "Handtasche", "Geldbörse", "Krawatte", "Sonnenbrille"}, 995, 14900},
        {{"Laufshirt", "Trainingsjacke", "Sporthose", "Funktionsjacke", "Radhose", "Badeanzug"}, 1995, 19900},
    };
    static const char* kColours[] = {"schwarz", "weiß", "marine", "grau", "rot", "beige",
                                     "grün", "blau", "bordeaux", "camel"};
    static const char* kMaterials[] = {"Baumwolle", "Wolle", "Leinen", "Seide", "Polyester",
                                       "Leder", "Viskose", "Kaschmir"};
    static const char* kTargets[] = {"Damen", "Herren", "Kinder", "Unisex"};
    static const char* kFits[] = {"Regular Fit", "Slim Fit", "Comfort Fit", "Oversize"};
    static const char* kStyles[] = {"Klassisch", "Sportlich", "Modisch", "Business", "Freizeit"};
    static const char* kCare[] = {"30 °C", "40 °C", "Handwäsche", "Chemische Reinigung"};
    static const int kTarget[] = {0, 1, 2, 3, 3, 3};

    int y, mo, d;
    date::CivilFromDays(m.today, y, mo, d);
    Table t("ARTIKEL");
    TDatenfeld& fNr = t.F("ARTIKELNR");
    TDatenfeld& fText = t.F("BEZEICHNUNG");
    TDatenfeld& fSupplier = t.F("LIEFERANT");
    TDatenfeld& fSupplierNr = t.F("LIEFARTNR");
    TDatenfeld& fSeason = t.F("SAISON");
    TDatenfeld& fSeasonYear = t.F("SAISONJAHR");
    TDatenfeld* fAttr[6];
    for (int k = 0; k < 6; ++k) fAttr[k] = &t.F("MERKMAL" + std::to_string(k + 1));
    TDatenfeld& fVariant = t.F("VARIANTE");
    TDatenfeld& fPassive = t.F("PASSIV");
    TDatenfeld& fPrice = t.F("VK");
    TDatenfeld& fGroup = t.F("WARENGRUPPE");
    for (int i = 0; i < m.size.articles; ++i) {
        const int group = 1 + i % 6;
        const Group& g = kGroups[group - 1];
        const int colour = int(rng.Below(10));
        const int64_t price = (g.minPrice + int64_t(rng.Below(uint64_t(g.maxPrice - g.minPrice)))) / 100 * 100 + 95;
        const Article a{TInt32Trio(group, 1000 + i / 6, colour + 1), price, group};
        m.articles.push_back(a);
        const int supplier = 1 + int(rng.Below(uint64_t(m.size.suppliers)));
        char supplierNr[24];
        std::snprintf(supplierNr, sizeof supplierNr, "L%03d-%05d", supplier, int(rng.Below(100000)));
        t.Clear();
        fNr.SetWert(a.nr);
        fText.SetWert(std::string(g.words[rng.Below(6)]) + " " + kMaterials[rng.Below(8)]);
        fSupplier.SetWert(supplier);
        fSupplierNr.SetWert(supplierNr);
        const int season = int(rng.Below(10));
        fSeason.SetWert(season < 2 ? "NOS" : season % 2 ? "FS" : "HW");
        fSeasonYear.SetWert(season < 2 ? 0 : y - int(rng.Below(4)));
        fAttr[0]->SetWert(kColours[colour]);
        fAttr[1]->SetWert(kMaterials[rng.Below(8)]);
        fAttr[2]->SetWert(kTargets[kTarget[group - 1]]);
        fAttr[3]->SetWert(kFits[rng.Below(4)]);
        fAttr[4]->SetWert(kStyles[rng.Below(5)]);
        fAttr[5]->SetWert(kCare[rng.Below(4)]);
        fVariant.SetWert(kColours[colour]);
        fPassive.SetWert(rng.Percent(5));
        fPrice.SetWert(Euro(price));
        fGroup.SetWert(group);
        t.Insert();
    }
}

// Rules and programmes go through the programme store, so the demo holds exactly what the
// editor writes: main record, content lines and, for programmes, the selection record.
void WriteProgrammes() {
    for (const auto& r : DemoRules()) {
        TBetaSatz s;
        s.Typ = kRuleType;
        s.Name = r.name;
        s.Laenge = int(r.rows.size());
        s.WertArt = std::string(1, r.valueKind);
        s.RundungKz = r.rounding;
        s.RundungIntervall = Euro(r.intervalCents);
        s.Inhalt = RuleContent(r);
        TBetaStore::Speichern(s, nullptr);
    }
    // Every programme selects only sales not yet settled for a bonus.
    const std::vector<std::string> selektion = {"VkSelPosBox.chbNichtBonusVerrechnet=1",
                                                "VkSelPosBox.chbBonusVerrechnet=0"};
    for (const auto& p : DemoProgrammes()) {
        TBetaSatz s;
        s.Typ = p.type;
        s.Name = p.name;
        s.Laenge = p.length;
        s.Basis = p.basis;
        s.Storno = p.storno;
        s.Konto = p.account;
        s.Inhalt = p.content;
        TBetaStore::Speichern(s, &selektion);
    }
}

}  // namespace

void WriteMasterData(DemoModel& m) {
    Rng rng(MixSeed(m.seed, kMasterStream));
    WriteCompanies();
    WriteBranches(m, rng);
    WriteSuppliers(m);
    WriteSeasons(m);
    WriteArticles(m, rng);
    WriteAccounts({kMandant1, kMandant2});
    WritePaymentMeans();
    WriteSettings();
    WriteProgrammes();
}

}  // namespace kis::demo
