#include "options.h"

#include <charconv>

namespace kis::bench {

const char* const kUsage =
    "Aufruf: kis-bench --dir=ORDNER [--quick] [--sizes=medium,large] [--seed=N] [--repeat=N]\n"
    "                  [--csv=DATEI]\n"
    "  Misst die Auswertung (leerer Filter, typischer Filter) gegen eine SQL-Summenabfrage\n"
    "  auf Demodatenbanken, die in ORDNER angelegt oder wiederverwendet werden.\n"
    "  --quick     nur die Größe medium\n"
    "  --repeat=N  Runden je Größe (mindestens 3, Median wird berichtet)\n"
    "  --overview  misst statt der Auswertung das Öffnen und Sortieren der Übersichtsliste\n"
    "              nach einer Auswertung mit leerem Filter (--show: Fenster bleibt offen,\n"
    "              --pdf=DATEI: druckt die Übersicht außerdem in eine PDF-Datei)\n"
    "  --bonus     misst Bonusgenerierung und Buchung für alle Kunden neben der Auswertung\n"
    "              (je Position und je Beleg, auf einer Kopie der Demodatenbank)\n";

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& out) {
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && p == end;
}

std::vector<std::string> SplitComma(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = text.find(',', start);
        const size_t end = comma == std::string::npos ? text.size() : comma;
        if (end > start) out.push_back(text.substr(start, end - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return out;
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, BenchOptions& out, std::string& error) {
    for (const auto& a : args) {
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        const bool hasValue = eq != std::string::npos;
        const std::string value = hasValue ? a.substr(eq + 1) : "";
        bool ok = true;
        if (name == "--quick" && !hasValue) {
            out.sizes = {"medium"};
        } else if (name == "--bonus" && !hasValue) {
            out.bonus = true;
        } else if (name == "--programm" && hasValue && (value == "position" || value == "beleg")) {
            out.programm = value;
        } else if (name == "--overview" && !hasValue) {
            out.overview = true;
        } else if (name == "--pdf" && hasValue && !value.empty()) {
            out.pdf = value;
        } else if (name == "--show" && !hasValue) {
            out.show = true;
        } else if (name == "--dir" && hasValue && !value.empty()) {
            out.dir = value;
        } else if (name == "--sizes" && hasValue) {
            out.sizes = SplitComma(value);
            ok = !out.sizes.empty();
        } else if (name == "--seed" && hasValue) {
            ok = ParseNumber(value, out.seed);
        } else if (name == "--repeat" && hasValue) {
            ok = ParseNumber(value, out.repeat) && out.repeat >= 3;
        } else if (name == "--csv" && hasValue && !value.empty()) {
            out.csv = value;
        } else if (name == "--child" && hasValue && (value == "eval" || value == "anchor" || value == "bonus")) {
            out.child = value;
        } else if (name == "--db" && hasValue && !value.empty()) {
            out.db = value;
        } else if (name == "--filter" && hasValue && (value == "clear" || value == "typical")) {
            out.filter = value;
        } else if (name == "--abort-after-ms" && hasValue) {
            ok = ParseNumber(value, out.abortAfterMs) && out.abortAfterMs >= 0;
        } else if (name == "--abort-from-event" && !hasValue) {
            out.abortFromEvent = true;
        } else {
            ok = false;
        }
        if (!ok) {
            error = "Unbekannte oder ungültige Option \"" + a + "\".";
            return false;
        }
    }
    if (out.child.empty() && out.dir.empty()) {
        error = "Der Ordner für die Demodatenbanken fehlt (--dir=ORDNER).";
        return false;
    }
    if (!out.child.empty() && out.db.empty()) {
        error = "Die Datenbank fehlt (--db=DATEI).";
        return false;
    }
    return true;
}

}  // namespace kis::bench
