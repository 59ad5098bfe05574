#include "platform/partners/gp_satz.h"

#include "platform/match/text_match.h"
#include "platform/partners/gp_satz_sql.h"

std::string TGpSatz::AnzeigeName() const {
    std::string out;
    for (const std::string* part : {&Name, &Name2, &Vorname}) {
        const std::string t = kis::match::Trim(*part);
        if (t.empty()) continue;
        if (!out.empty()) out += ' ';
        out += t;
    }
    return out;
}

namespace kis::partners {

void ReadGpSatz(const kis::store::Statement& s, TGpSatz& o) {
    o.GepNr = TIntPair(int32_t(s.ColumnInt(0)), int32_t(s.ColumnInt(1)));
    o.Mandant = TIntPair(int32_t(s.ColumnInt(2)), int32_t(s.ColumnInt(3)));
    o.Anrede = s.ColumnText(4);
    o.Name = s.ColumnText(5);
    o.Name2 = s.ColumnText(6);
    o.Vorname = s.ColumnText(7);
    o.Suchname = s.ColumnText(8);
    o.Strasse = s.ColumnText(9);
    o.Plz = s.ColumnText(10);
    o.Ort = s.ColumnText(11);
    o.Land = s.ColumnText(12);
    o.Telefon = s.ColumnText(13);
    o.Email = s.ColumnText(14);
    o.Geburtstag = s.ColumnDouble(15);
    o.Geschlecht = s.ColumnText(16);
    o.Status = s.ColumnText(17);
    o.Werbung = s.ColumnInt(18) != 0;
    o.Serienbrief = s.ColumnInt(19) != 0;
    o.Kundengruppe = int32_t(s.ColumnInt(20));
    o.Filiale = int32_t(s.ColumnInt(21));
    o.Anlagedatum = s.ColumnDouble(22);
}

}  // namespace kis::partners
