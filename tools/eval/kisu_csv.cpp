#include "kisu_csv.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "engine/merova_query.h"
#include "platform/services/number_format.h"
#include "platform/store/record_files.h"

namespace kis::eval {

const char* const kCsvHeader = "KUNDE;NAME;VORNAME;SELUMSATZ;SELMENGE;GESUMSATZ;GESMENGE";

std::string CsvFeld(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string Betrag(long double value) {
    const int64_t cents = kis::services::RoundHalfEven(value * 100);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%lld.%02lld", cents < 0 ? "-" : "",
                  static_cast<long long>(std::llabs(cents) / 100),
                  static_cast<long long>(std::llabs(cents) % 100));
    return buf;
}

bool WriteKisuCsv(std::ostream& out, std::string& fehler) {
    try {
        kis::store::Tkisufile f;
        f.SetFileNameRel(TMerovaQuery::KisuFileName());
        f.OpenOut();
        f.SelectIndex("KUNDE");
        f.ExtendedMaxReceive_Set(-1);
        out << kCsvHeader << "\n";
        std::string totals;
        for (bool ok = f.Get_ge(); ok; ok = f.Next()) {
            const TIntPair kunde = f.Feld("KUNDE").AsPair();
            const std::string line =
                kunde.ToString() + ";" + CsvFeld(f.Feld("NAME").AsString()) + ";" +
                CsvFeld(f.Feld("VORNAME").AsString()) + ";" + Betrag(f.Feld("SELUMSATZ").AsFloat()) +
                ";" + std::to_string(f.Feld("SELMENGE").AsInt()) + ";" +
                Betrag(f.Feld("GESUMSATZ").AsFloat()) + ";" +
                std::to_string(f.Feld("GESMENGE").AsInt()) + "\n";
            if (kunde.IsNull())
                totals = line;
            else
                out << line;
        }
        out << totals;
        f.Close();
        return bool(out);
    } catch (const std::exception& e) {
        fehler = e.what();
        return false;
    }
}

}  // namespace kis::eval
