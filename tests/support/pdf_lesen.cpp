#include "support/pdf_lesen.h"

#include <charconv>
#include <cstdio>
#include <regex>
#include <sstream>

namespace kis::test {

namespace {

// pdftotext writes XML entities for the characters HTML reserves.
std::string Entitaeten(std::string s) {
    const std::pair<const char*, const char*> ersatz[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [von, nach] : ersatz)
        for (size_t i = 0; (i = s.find(von, i)) != std::string::npos; i += std::char_traits<char>::length(nach))
            s.replace(i, std::char_traits<char>::length(von), nach);
    return s;
}

// Independent of the C locale, which a Qt application sets from the environment.
double Zahl(const std::string& s) {
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

}  // namespace

std::vector<PdfSeite> PdfLesen(const std::string& pfad) {
    std::string quoted = "'";
    for (char c : pfad) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    std::stringstream text;
    FILE* p = ::popen(("pdftotext -bbox " + quoted + " - 2>/dev/null").c_str(), "r");
    if (!p) return {};
    char puffer[4096];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0) text.write(puffer, std::streamsize(n));
    if (::pclose(p) != 0) return {};

    std::vector<PdfSeite> seiten;
    const std::regex seite(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    const std::regex wort(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::string zeile;
    while (std::getline(text, zeile)) {
        std::smatch m;
        if (std::regex_search(zeile, m, seite)) {
            seiten.push_back({Zahl(m[1]), Zahl(m[2]), {}});
        } else if (!seiten.empty() && std::regex_search(zeile, m, wort)) {
            seiten.back().woerter.push_back({int(seiten.size()) - 1, Zahl(m[1]), Zahl(m[2]),
                                             Zahl(m[3]), Zahl(m[4]), Entitaeten(m[5])});
        }
    }
    return seiten;
}

const PdfWort* PdfWortSuchen(const PdfSeite& seite, const std::string& text) {
    for (const PdfWort& w : seite.woerter)
        if (w.text == text) return &w;
    return nullptr;
}

}  // namespace kis::test
