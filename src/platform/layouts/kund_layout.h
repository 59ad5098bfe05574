#pragma once
// The layout of customer cards and labels: a page (a label sheet, or one card), a grid of
// labels on it, margins, and the text fields printed on each label. All lengths are in
// millimetres, font sizes in points.
//
// Label i of a print sits on page i / (columns × rows); inside the page the labels run row by
// row, left to right. Its top left corner is (LinkerRand + column × AbstandX,
// ObererRand + row × AbstandY). A field's text starts at XPosition + X to the right of the
// label's left edge, and its line box (ascent to descent of the font) begins Y below the
// label's top edge. A card is a page of one label.
#include <string>
#include <vector>

namespace kis::layouts {

struct TLayoutFeld {
    std::string Inhalt;          // text with placeholders, e.g. "#VORNAME# #NAME#"
    double X = 0;                // mm, from the label's left edge + XPosition
    double Y = 0;                // mm, from the label's top edge to the top of the line
    double Breite = 0;           // mm; 0: up to the label's right edge
    std::string Schrift = "DejaVu Sans";
    double Groesse = 10;         // pt
    bool Fett = false;
};

struct TKundLayout {
    std::string Name;            // file name without extension, e.g. "KUND_Kundenkarte"
    std::string Bezeichnung;     // what the user reads in the list
    int Art = 0;                 // kind of output the layout belongs to (68: customer data)
    double Seitenbreite = 210;
    double Seitenhoehe = 297;
    int Spalten = 1;
    int Zeilen = 1;
    double Breite = 210;         // label or card size
    double Hoehe = 297;
    double AbstandX = 210;       // pitch: from one label's left edge to the next one's
    double AbstandY = 297;
    double ObererRand = 0;
    double UntererRand = 0;
    double LinkerRand = 0;
    double XPosition = 0;        // indent of the text inside every label
    bool Rahmen = false;         // print a thin frame around every label
    std::vector<TLayoutFeld> Felder;

    int EtikettenProSeite() const { return Spalten * Zeilen; }
    // A card layout prints one customer per page.
    bool IstKarte() const { return EtikettenProSeite() == 1; }
};

// Where label number `stelle` (0-based, over the whole print) lies.
struct TEtikettStelle {
    int Seite = 0;               // 0-based page
    double X = 0;                // mm, top left corner on the page
    double Y = 0;
};
TEtikettStelle EtikettStelle(const TKundLayout& layout, int stelle);

// Number of pages for `anzahl` labels (at least 1 once there is a label).
int SeitenAnzahl(const TKundLayout& layout, int anzahl);

// The checks a layout must pass before it is saved or printed; each entry is a German
// sentence. Empty when the layout is sound.
std::vector<std::string> LayoutPruefen(const TKundLayout& layout);

// A layout name is the prefix, then letters, digits, "_" or "-" (at most 60 characters).
bool LayoutNameGueltig(const std::string& name, const std::string& praefix);

// The two layouts every installation starts with.
TKundLayout StandardEtikettenA4();   // "KUND_Etiketten_A4_3x8": A4 sheet, 3 × 8 labels of 70 × 36 mm
TKundLayout StandardKundenkarte();   // "KUND_Kundenkarte": card of 85,6 × 54 mm

// Kind code of the layouts of customer cards and labels.
inline constexpr int kArtKundendaten = 68;
inline constexpr const char* kPraefixKunde = "KUND_";

}  // namespace kis::layouts
