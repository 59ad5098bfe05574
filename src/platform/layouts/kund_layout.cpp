#include "platform/layouts/kund_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/layouts/kunden_felder.h"
#include "platform/layouts/layout_zahlen.h"

namespace kis::layouts {

namespace {

// Rounding of lengths read from a file ("85,6" is not exact in binary) must not fail a fit.
constexpr double kToleranzMm = 0.05;

TLayoutFeld Feld(const char* inhalt, double x, double y, double groesse, bool fett = false) {
    TLayoutFeld f;
    f.Inhalt = inhalt;
    f.X = x;
    f.Y = y;
    f.Groesse = groesse;
    f.Fett = fett;
    return f;
}

}  // namespace

TEtikettStelle EtikettStelle(const TKundLayout& layout, int stelle) {
    const int proSeite = std::max(1, layout.EtikettenProSeite());
    const int spalten = std::max(1, layout.Spalten);
    const int aufSeite = stelle % proSeite;
    TEtikettStelle s;
    s.Seite = stelle / proSeite;
    s.X = layout.LinkerRand + (aufSeite % spalten) * layout.AbstandX;
    s.Y = layout.ObererRand + (aufSeite / spalten) * layout.AbstandY;
    return s;
}

int SeitenAnzahl(const TKundLayout& layout, int anzahl) {
    if (anzahl <= 0) return 0;
    const int proSeite = std::max(1, layout.EtikettenProSeite());
    return (anzahl + proSeite - 1) / proSeite;
}

std::vector<std::string> LayoutPruefen(const TKundLayout& l) {
    std::vector<std::string> f;
    const auto mm = [](double v) { return ZahlText(v) + " mm"; };
    if (l.Name.empty()) f.push_back("Das Layout hat keinen Namen.");

    // Every length must be a number before any comparison means something.
    const std::pair<const char*, double> laengen[] = {
        {"Seitenbreite", l.Seitenbreite}, {"Seitenhöhe", l.Seitenhoehe}, {"Breite", l.Breite},
        {"Höhe", l.Hoehe},                {"AbstandX", l.AbstandX},     {"AbstandY", l.AbstandY},
        {"ObererRand", l.ObererRand},     {"UntererRand", l.UntererRand},
        {"LinkerRand", l.LinkerRand},     {"XPosition", l.XPosition}};
    bool zahlen = true;
    for (const auto& [name, wert] : laengen)
        if (!std::isfinite(wert) || wert < 0 || wert > 1000) {
            f.push_back(std::string(name) + " muss zwischen 0 und 1000 mm liegen.");
            zahlen = false;
        }
    if (!zahlen) return f;

    if (l.Seitenbreite < 10 || l.Seitenhoehe < 10) f.push_back("Die Seite muss mindestens 10 × 10 mm groß sein.");
    if (l.Spalten < 1 || l.Spalten > 50) f.push_back("Die Zahl der Spalten muss zwischen 1 und 50 liegen.");
    if (l.Zeilen < 1 || l.Zeilen > 50) f.push_back("Die Zahl der Zeilen muss zwischen 1 und 50 liegen.");
    if (l.Breite < 5 || l.Hoehe < 5) f.push_back("Ein Etikett muss mindestens 5 × 5 mm groß sein.");
    if (!f.empty()) return f;

    if (l.Spalten > 1 && l.AbstandX + kToleranzMm < l.Breite)
        f.push_back("Der Abstand der Spalten (" + mm(l.AbstandX) + ") ist kleiner als die Etikettbreite (" +
                    mm(l.Breite) + ").");
    if (l.Zeilen > 1 && l.AbstandY + kToleranzMm < l.Hoehe)
        f.push_back("Der Abstand der Zeilen (" + mm(l.AbstandY) + ") ist kleiner als die Etiketthöhe (" +
                    mm(l.Hoehe) + ").");
    const double rechts = l.LinkerRand + (l.Spalten - 1) * l.AbstandX + l.Breite;
    if (rechts > l.Seitenbreite + kToleranzMm)
        f.push_back("Die Etiketten reichen bis " + mm(rechts) + ", die Seite ist nur " + mm(l.Seitenbreite) +
                    " breit.");
    const double unten = l.ObererRand + (l.Zeilen - 1) * l.AbstandY + l.Hoehe;
    if (unten > l.Seitenhoehe - l.UntererRand + kToleranzMm)
        f.push_back("Die Etiketten reichen bis " + mm(unten) + ", über dem unteren Rand ist nur bis " +
                    mm(l.Seitenhoehe - l.UntererRand) + " Platz.");
    if (l.XPosition >= l.Breite) f.push_back("XPosition liegt außerhalb des Etiketts.");

    if (l.Felder.size() > 50) f.push_back("Ein Layout hat höchstens 50 Felder.");
    for (size_t i = 0; i < l.Felder.size(); ++i) {
        const TLayoutFeld& d = l.Felder[i];
        const std::string wer = "Feld " + std::to_string(i + 1) + ": ";
        if (d.Inhalt.empty()) f.push_back(wer + "Der Inhalt ist leer.");
        for (const std::string& p : UnbekanntePlatzhalter(d.Inhalt))
            f.push_back(wer + "Den Platzhalter #" + p + "# gibt es nicht.");
        if (!std::isfinite(d.X) || !std::isfinite(d.Y) || !std::isfinite(d.Breite) || !std::isfinite(d.Groesse)) {
            f.push_back(wer + "Die Angaben müssen Zahlen sein.");
            continue;
        }
        if (d.X < 0 || l.XPosition + d.X >= l.Breite) f.push_back(wer + "X liegt außerhalb des Etiketts.");
        if (d.Y < 0 || d.Y >= l.Hoehe) f.push_back(wer + "Y liegt außerhalb des Etiketts.");
        if (d.Breite < 0 || d.Breite > 1000) f.push_back(wer + "Die Breite muss zwischen 0 und 1000 mm liegen.");
        if (d.Groesse < 4 || d.Groesse > 96) f.push_back(wer + "Die Schriftgröße muss zwischen 4 und 96 Punkt liegen.");
        if (d.Schrift.empty()) f.push_back(wer + "Die Schriftart fehlt.");
    }
    return f;
}

bool LayoutNameGueltig(const std::string& name, const std::string& praefix) {
    if (name.size() <= praefix.size() || name.size() > 60 || name.compare(0, praefix.size(), praefix) != 0)
        return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-'))
            return false;
    return true;
}

TKundLayout StandardEtikettenA4() {
    TKundLayout l;
    l.Name = "KUND_Etiketten_A4_3x8";
    l.Bezeichnung = "Etiketten A4, 3 × 8 (70 × 36 mm)";
    l.Art = kArtKundendaten;
    l.Seitenbreite = 210;
    l.Seitenhoehe = 297;
    l.Spalten = 3;
    l.Zeilen = 8;
    l.Breite = 70;
    l.Hoehe = 36;
    l.AbstandX = 70;
    l.AbstandY = 36;
    l.ObererRand = 4.5;
    l.UntererRand = 4.5;
    l.LinkerRand = 0;
    l.XPosition = 6;
    l.Felder = {Feld("#ANREDE#", 0, 6, 9), Feld("#VORNAME# #NAME#", 0, 10.5, 10, true), Feld("#NAME2#", 0, 15, 9),
                Feld("#STRASSE#", 0, 19.5, 10), Feld("#PLZ# #ORT#", 0, 24.5, 10, true)};
    return l;
}

TKundLayout StandardKundenkarte() {
    TKundLayout l;
    l.Name = "KUND_Kundenkarte";
    l.Bezeichnung = "Kundenkarte 85,6 × 54 mm";
    l.Art = kArtKundendaten;
    l.Seitenbreite = 85.6;
    l.Seitenhoehe = 54;
    l.Breite = 85.6;
    l.Hoehe = 54;
    l.AbstandX = 85.6;
    l.AbstandY = 54;
    l.XPosition = 6;
    l.Felder = {Feld("#MANDANT#", 0, 5, 11, true), Feld("Kundenkarte", 0, 11, 8),
                Feld("#VORNAME# #NAME#", 0, 22, 12, true), Feld("#STRASSE#", 0, 29, 9),
                Feld("#PLZ# #ORT#", 0, 33.5, 9), Feld("Kundennummer #KUNDENNR#", 0, 44, 9, true)};
    return l;
}

}  // namespace kis::layouts
