#include "customers.h"

#include <cctype>
#include <cstdio>

#include "catalog.h"
#include "german_names.h"
#include "rng.h"
#include "table.h"

namespace kis::demo {

namespace {

constexpr uint64_t kCustomerStream = 0x4B554E44;  // "KUND"

struct CustomerTables {
    Table gep{"GEP"}, kuli{"KULI"}, attr{"GPMERKMAL"}, numbers{"GPNUMMER"};
    TDatenfeld &nr = gep.F("GEPNR"), &mandant = gep.F("MANDANT"), &salutation = gep.F("ANREDE"),
               &name = gep.F("NAME"), &name2 = gep.F("NAME2"), &first = gep.F("VORNAME"),
               &search = gep.F("SUCHNAME"), &street = gep.F("STRASSE"), &plz = gep.F("PLZ"),
               &city = gep.F("ORT"), &country = gep.F("LAND"), &phone = gep.F("TELEFON"),
               &mail = gep.F("EMAIL"), &birthday = gep.F("GEBURTSTAG"), &sex = gep.F("GESCHLECHT"),
               &status = gep.F("STATUS"), &ads = gep.F("WERBUNG"), &letters = gep.F("SERIENBRIEF"),
               &group = gep.F("KUNDENGRUPPE"), &branch = gep.F("FILIALE"),
               &created = gep.F("ANLAGEDATUM");
    TDatenfeld &kCustomer = kuli.F("KUNDE"), &kMandant = kuli.F("MANDANT"), &kKind = kuli.F("ART");
    TDatenfeld &aNr = attr.F("GEPNR"), &aName = attr.F("MERKMAL"), &aValue = attr.F("WERT");
    TDatenfeld &nNr = numbers.F("GEPNR"), &nKind = numbers.F("ART"), &nNumber = numbers.F("NUMMER");

    void ListRow(TIntPair customer, TIntPair m, const char* kind) {
        kuli.Clear();
        kCustomer.SetWert(customer);
        kMandant.SetWert(m);
        kKind.SetWert(kind);
        kuli.Insert();
    }
    void Attribute(TIntPair customer, const char* attribute, const std::string& value) {
        attr.Clear();
        aNr.SetWert(customer);
        aName.SetWert(attribute);
        aValue.SetWert(value);
        attr.Insert();
    }
    void Number(TIntPair customer, const char* kind, const std::string& value) {
        numbers.Clear();
        nNr.SetWert(customer);
        nKind.SetWert(kind);
        nNumber.SetWert(value);
        numbers.Insert();
    }
};

}  // namespace

std::string AsciiName(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == 0xC3 && i + 1 < s.size()) {
            switch (static_cast<unsigned char>(s[++i])) {
                case 0xA4: case 0x84: out += "ae"; break;
                case 0xB6: case 0x96: out += "oe"; break;
                case 0xBC: case 0x9C: out += "ue"; break;
                case 0x9F: out += "ss"; break;
                case 0xA9: case 0xAB: out += "e"; break;
                default: break;
            }
        } else if (std::isalnum(c)) {
            out += char(std::tolower(c));
        } else if (c == ' ' || c == '-') {
            out += '.';
        }
    }
    return out;
}

void WriteCustomers(DemoModel& m) {
    Rng rng(MixSeed(m.seed, kCustomerStream));
    CustomerTables t;
    const auto& places = Places();
    static const char* kInterests[] = {"Damenmode", "Herrenmode", "Kindermode", "Sport", "Schuhe"};
    static const char* kAbc[] = {"A", "B", "C"};
    static const char* kFirms[] = {"Autohaus", "Praxis", "Kanzlei", "Bäckerei", "Hotel"};

    // Anonymous cash customers first, one per branch.
    int number = kFirstCustomerNumber;
    for (auto& b : m.branches) {
        Customer c;
        c.key = TIntPair(number++, 0);
        c.anonymous = true;
        c.inMandant1 = b.mandant == kMandant1;
        c.inMandant2 = !c.inMandant1;
        c.homeBranch = b.nr;
        b.anonymousCustomer = int(m.customers.size());
        m.customers.push_back(c);
        t.gep.Clear();
        t.nr.SetWert(c.key);
        t.mandant.SetWert(b.mandant);
        t.name.SetWert("{Barverkauf}");
        t.name2.SetWert("Filiale " + std::to_string(b.nr));
        t.search.SetWert("{BARVERKAUF}");
        t.country.SetWert("D");
        t.status.SetWert("A");
        t.branch.SetWert(b.nr);
        t.created.SetWert(double(m.firstDay));
        t.gep.Insert();
        t.ListRow(c.key, b.mandant, "B");
    }

    while (int(m.customers.size()) < m.size.customers) {
        Customer c;
        c.key = TIntPair(number++, 0);
        const int r = int(rng.Below(100));
        c.inMandant1 = r < 90;
        c.inMandant2 = r >= 85;
        const bool prospect = rng.Percent(2);
        c.passive = !prospect && rng.Percent(5);
        const Branch& home = m.branches[size_t(rng.Below(m.branches.size()))];
        c.homeBranch = home.nr;
        // Heavy tail: a few customers buy a lot, some never.
        const double u = rng.Unit();
        c.weight = prospect || rng.Percent(8) ? 0 : c.passive ? 0.05 : 0.2 + 10 * u * u * u;
        const bool female = rng.Percent(55);
        const bool firm = rng.Percent(3);
        const std::string surname = rng.Pick(Surnames());
        const std::string first = female ? rng.Pick(FemaleFirstNames()) : rng.Pick(MaleFirstNames());
        const Place& place = places[size_t(rng.Below(places.size()))];
        char street[96], phone[32];
        std::snprintf(street, sizeof street, "%s %d", rng.Pick(Streets()).c_str(), rng.Range(1, 180));
        std::snprintf(phone, sizeof phone, "0%d %d", rng.Range(30, 9999), rng.Range(100000, 9999999));

        t.gep.Clear();
        t.nr.SetWert(c.key);
        t.mandant.SetWert(c.inMandant1 ? kMandant1 : kMandant2);
        if (firm) {
            t.salutation.SetWert("Firma");
            t.name.SetWert(std::string(rng.Pick(kFirms)) + " " + surname);
            t.name2.SetWert("z. Hd. " + first + " " + surname);
            t.search.SetWert(surname);
        } else {
            t.salutation.SetWert(female ? "Frau" : "Herr");
            t.name.SetWert(surname);
            t.first.SetWert(first);
            t.search.SetWert(surname);
            t.sex.SetWert(female ? "W" : "M");
            t.birthday.SetWert(double(m.today - 365 * rng.Range(18, 85) - rng.Range(0, 364)));
        }
        t.street.SetWert(street);
        t.plz.SetWert(place.plz);
        t.city.SetWert(place.city);
        t.country.SetWert("D");
        t.phone.SetWert(phone);
        if (rng.Percent(60)) t.mail.SetWert(AsciiName(first) + "." + AsciiName(surname) + "@example.de");
        t.status.SetWert(c.passive ? "P" : "A");
        t.ads.SetWert(rng.Percent(70));
        t.letters.SetWert(rng.Percent(60));
        t.group.SetWert(rng.Range(1, 5));
        t.branch.SetWert(c.homeBranch);
        t.created.SetWert(double(m.firstDay - rng.Range(0, 2000)));
        t.gep.Insert();

        if (prospect) {
            t.ListRow(c.key, kMandant1, "I");
            c.inMandant1 = c.inMandant2 = false;
        } else {
            if (c.inMandant1) t.ListRow(c.key, kMandant1, "B");
            if (c.inMandant2) t.ListRow(c.key, kMandant2, "B");
        }
        if (rng.Percent(20)) t.Attribute(c.key, "ABC", rng.Pick(kAbc));
        if (rng.Percent(25)) t.Attribute(c.key, "INTERESSE", rng.Pick(kInterests));
        if (rng.Percent(15)) t.Attribute(c.key, "KARTE", "J");
        if (rng.Percent(40)) t.Attribute(c.key, "NEWSLETTER", rng.Percent(80) ? "J" : "N");
        if (rng.Percent(30)) t.Attribute(c.key, "STAMMKUNDE", "J");
        if (rng.Percent(30)) {
            char card[24];
            std::snprintf(card, sizeof card, "2400%09d", c.key.Lnr);
            t.Number(c.key, "KARTE", card);
        }
        if (rng.Percent(10)) t.Number(c.key, "ALTNR", "K" + std::to_string(rng.Range(10000, 99999)));
        m.customers.push_back(c);
    }
}

}  // namespace kis::demo
