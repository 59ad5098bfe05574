#pragma once
// Reads a PDF back for tests: the words of each page with their boxes, as poppler's
// `pdftotext -bbox` reports them (points, origin top left), and the page sizes.
#include <string>
#include <vector>

namespace kis::test {

struct PdfWort {
    int seite = 0;  // 0-based
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // pt
    std::string text;
};

struct PdfSeite {
    double breite = 0, hoehe = 0;  // pt
    std::vector<PdfWort> woerter;
};

// The pages of the file; empty when the file cannot be read (or pdftotext is missing).
std::vector<PdfSeite> PdfLesen(const std::string& pfad);

inline double PtInMm(double pt) { return pt * 25.4 / 72.0; }

// The first word of the page with exactly this text, or nullptr.
const PdfWort* PdfWortSuchen(const PdfSeite& seite, const std::string& text);

}  // namespace kis::test
