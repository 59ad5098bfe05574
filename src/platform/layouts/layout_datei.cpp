#include "platform/layouts/layout_datei.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "platform/layouts/layout_zahlen.h"

namespace kis::layouts {

namespace {

constexpr size_t kMaxFelder = 50;

std::string Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return std::string(s);
}

std::string Klein(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

[[noreturn]] void Fehler(int zeile, const std::string& text) {
    throw TLayoutDateiFehler("Zeile " + std::to_string(zeile) + ": " + text);
}

double Laenge(const std::string& wert, int zeile, const std::string& schluessel) {
    const auto v = ZahlLesen(wert);
    if (!v) Fehler(zeile, schluessel + " ist keine Zahl: \"" + wert + "\".");
    return *v;
}

int Ganzzahl(const std::string& wert, int zeile, const std::string& schluessel) {
    const auto v = ZahlLesen(wert);
    if (!v || *v < -1e6 || *v > 1e6 || *v != std::trunc(*v))
        Fehler(zeile, schluessel + " ist keine ganze Zahl: \"" + wert + "\".");
    return int(*v);
}

bool Schalter(const std::string& wert, int zeile, const std::string& schluessel) {
    if (wert == "1") return true;
    if (wert == "0") return false;
    Fehler(zeile, schluessel + " muss 0 oder 1 sein, nicht \"" + wert + "\".");
}

using Setzer = std::function<void(const std::string& wert, int zeile)>;

// The keys of one section, by their lower-case name, with the name as written in files.
struct Schluessel {
    const char* name;
    bool pflicht;
    Setzer setzen;
};

}  // namespace

TKundLayout LayoutAusText(const std::string& text, const std::string& name) {
    TKundLayout l;
    l.Name = name;
    bool abstandX = false, abstandY = false;
    const auto laenge = [](double& ziel, const char* n) {
        return [&ziel, n](const std::string& w, int z) { ziel = Laenge(w, z, n); };
    };
    const std::vector<Schluessel> layoutSchluessel = {
        {"Bezeichnung", false, [&](const std::string& w, int) { l.Bezeichnung = w; }},
        {"Art", true, [&](const std::string& w, int z) { l.Art = Ganzzahl(w, z, "Art"); }},
        {"Seitenbreite", true, laenge(l.Seitenbreite, "Seitenbreite")},
        {"Seitenhoehe", true, laenge(l.Seitenhoehe, "Seitenhoehe")},
        {"Spalten", true, [&](const std::string& w, int z) { l.Spalten = Ganzzahl(w, z, "Spalten"); }},
        {"Zeilen", true, [&](const std::string& w, int z) { l.Zeilen = Ganzzahl(w, z, "Zeilen"); }},
        {"Breite", true, laenge(l.Breite, "Breite")},
        {"Hoehe", true, laenge(l.Hoehe, "Hoehe")},
        {"AbstandX", false,
         [&](const std::string& w, int z) { l.AbstandX = Laenge(w, z, "AbstandX"), abstandX = true; }},
        {"AbstandY", false,
         [&](const std::string& w, int z) { l.AbstandY = Laenge(w, z, "AbstandY"), abstandY = true; }},
        {"ObererRand", false, laenge(l.ObererRand, "ObererRand")},
        {"UntererRand", false, laenge(l.UntererRand, "UntererRand")},
        {"LinkerRand", false, laenge(l.LinkerRand, "LinkerRand")},
        {"XPosition", false, laenge(l.XPosition, "XPosition")},
        {"Rahmen", false, [&](const std::string& w, int z) { l.Rahmen = Schalter(w, z, "Rahmen"); }},
    };

    std::map<int, TLayoutFeld> felder;
    TLayoutFeld* feld = nullptr;
    const auto feldSchluessel = [&]() -> std::vector<Schluessel> {
        return {
            {"Inhalt", true, [&](const std::string& w, int) { feld->Inhalt = w; }},
            {"X", true, [&](const std::string& w, int z) { feld->X = Laenge(w, z, "X"); }},
            {"Y", true, [&](const std::string& w, int z) { feld->Y = Laenge(w, z, "Y"); }},
            {"Breite", false, [&](const std::string& w, int z) { feld->Breite = Laenge(w, z, "Breite"); }},
            {"Schrift", false, [&](const std::string& w, int) { feld->Schrift = w; }},
            {"Groesse", false, [&](const std::string& w, int z) { feld->Groesse = Laenge(w, z, "Groesse"); }},
            {"Fett", false, [&](const std::string& w, int z) { feld->Fett = Schalter(w, z, "Fett"); }},
        };
    }();

    const std::vector<Schluessel>* aktuell = nullptr;
    std::set<std::string> gesehen;
    std::string abschnitt;
    bool layoutGesehen = false;
    const auto abschnittEnde = [&](int zeile) {
        if (!aktuell) return;
        for (const Schluessel& s : *aktuell)
            if (s.pflicht && !gesehen.count(Klein(s.name)))
                Fehler(zeile, "Im Abschnitt [" + abschnitt + "] fehlt " + s.name + ".");
    };

    std::istringstream in(text);
    std::string zeile;
    int nr = 0;
    while (std::getline(in, zeile)) {
        ++nr;
        if (nr == 1 && zeile.rfind("\xEF\xBB\xBF", 0) == 0) zeile.erase(0, 3);
        const std::string z = Trim(zeile);
        if (z.empty() || z[0] == ';') continue;
        if (z.front() == '[') {
            if (z.back() != ']') Fehler(nr, "Ein Abschnitt endet mit \"]\".");
            abschnittEnde(nr);
            abschnitt = Trim(std::string_view(z).substr(1, z.size() - 2));
            gesehen.clear();
            const std::string k = Klein(abschnitt);
            if (k == "layout") {
                if (layoutGesehen) Fehler(nr, "Der Abschnitt [Layout] steht zweimal in der Datei.");
                layoutGesehen = true;
                aktuell = &layoutSchluessel;
            } else if (k.rfind("feld", 0) == 0 && k.size() > 4 && k.size() <= 6 &&
                       std::all_of(k.begin() + 4, k.end(), [](char c) { return c >= '0' && c <= '9'; })) {
                const int n = std::stoi(k.substr(4));
                if (n < 1 || size_t(n) > kMaxFelder) Fehler(nr, "Felder sind von 1 bis 50 nummeriert.");
                if (felder.count(n)) Fehler(nr, "Der Abschnitt [" + abschnitt + "] steht zweimal in der Datei.");
                feld = &felder[n];
                aktuell = &feldSchluessel;
            } else {
                Fehler(nr, "Unbekannter Abschnitt [" + abschnitt + "].");
            }
            continue;
        }
        if (!aktuell) Fehler(nr, "Vor der ersten Angabe muss ein Abschnitt stehen, z. B. [Layout].");
        const size_t gleich = z.find('=');
        if (gleich == std::string::npos) Fehler(nr, "Erwartet wird Schlüssel=Wert.");
        const std::string schluessel = Klein(Trim(std::string_view(z).substr(0, gleich)));
        const std::string wert = Trim(std::string_view(z).substr(gleich + 1));
        const auto s = std::find_if(aktuell->begin(), aktuell->end(),
                                    [&](const Schluessel& x) { return Klein(x.name) == schluessel; });
        if (s == aktuell->end())
            Fehler(nr, "Unbekannte Angabe \"" + Trim(std::string_view(z).substr(0, gleich)) + "\" im Abschnitt [" +
                           abschnitt + "].");
        if (!gesehen.insert(schluessel).second) Fehler(nr, std::string(s->name) + " steht zweimal im Abschnitt.");
        s->setzen(wert, nr);
    }
    abschnittEnde(nr + 1);
    if (!layoutGesehen) throw TLayoutDateiFehler("Der Abschnitt [Layout] fehlt.");
    if (!abstandX) l.AbstandX = l.Breite;
    if (!abstandY) l.AbstandY = l.Hoehe;
    for (auto& [n, f] : felder) l.Felder.push_back(std::move(f));
    return l;
}

std::string LayoutAlsText(const TKundLayout& l) {
    // Values are one line each: a line break in a text would start a new entry.
    const auto zeile = [](std::string s) {
        std::replace(s.begin(), s.end(), '\n', ' ');
        std::replace(s.begin(), s.end(), '\r', ' ');
        return s;
    };
    std::ostringstream o;
    o << "; Layout für Kundenkarten und Kundenetiketten.\n"
         "; Längen in Millimetern (Dezimalkomma), Schriftgrößen in Punkt. Etikett i einer Seite liegt\n"
         "; bei LinkerRand + Spalte × AbstandX, ObererRand + Zeile × AbstandY; ein Feld beginnt\n"
         "; XPosition + X rechts und Y unter der linken oberen Ecke seines Etiketts.\n"
      << "[Layout]\n"
      << "Bezeichnung=" << zeile(l.Bezeichnung) << "\n"
      << "Art=" << l.Art << "\n"
      << "Seitenbreite=" << ZahlText(l.Seitenbreite) << "\n"
      << "Seitenhoehe=" << ZahlText(l.Seitenhoehe) << "\n"
      << "Spalten=" << l.Spalten << "\n"
      << "Zeilen=" << l.Zeilen << "\n"
      << "Breite=" << ZahlText(l.Breite) << "\n"
      << "Hoehe=" << ZahlText(l.Hoehe) << "\n"
      << "AbstandX=" << ZahlText(l.AbstandX) << "\n"
      << "AbstandY=" << ZahlText(l.AbstandY) << "\n"
      << "ObererRand=" << ZahlText(l.ObererRand) << "\n"
      << "UntererRand=" << ZahlText(l.UntererRand) << "\n"
      << "LinkerRand=" << ZahlText(l.LinkerRand) << "\n"
      << "XPosition=" << ZahlText(l.XPosition) << "\n"
      << "Rahmen=" << (l.Rahmen ? 1 : 0) << "\n";
    for (size_t i = 0; i < l.Felder.size(); ++i) {
        const TLayoutFeld& f = l.Felder[i];
        o << "\n[Feld" << i + 1 << "]\n"
          << "Inhalt=" << zeile(f.Inhalt) << "\n"
          << "X=" << ZahlText(f.X) << "\n"
          << "Y=" << ZahlText(f.Y) << "\n"
          << "Breite=" << ZahlText(f.Breite) << "\n"
          << "Schrift=" << zeile(f.Schrift) << "\n"
          << "Groesse=" << ZahlText(f.Groesse) << "\n"
          << "Fett=" << (f.Fett ? 1 : 0) << "\n";
    }
    return o.str();
}

}  // namespace kis::layouts
