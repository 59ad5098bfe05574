#include "support/pdf_text.h"

#include <cstdio>
#include <regex>

namespace kis::test {

namespace {

std::string Quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string Ausgabe(const std::string& befehl) {
    std::string text;
    FILE* p = ::popen(befehl.c_str(), "r");
    if (!p) return text;
    char puffer[4096];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0) text.append(puffer, n);
    ::pclose(p);
    return text;
}

}  // namespace

std::string PdfText(const std::string& pfad, int seite) {
    std::string befehl = "pdftotext -enc UTF-8 -layout";
    if (seite > 0) befehl += " -f " + std::to_string(seite) + " -l " + std::to_string(seite);
    return Ausgabe(befehl + " " + Quoted(pfad) + " - 2>/dev/null");
}

int PdfSeiten(const std::string& pfad) {
    const std::string info = Ausgabe("pdfinfo " + Quoted(pfad) + " 2>/dev/null");
    std::smatch m;
    static const std::regex seiten(R"(Pages:\s+(\d+))");
    return std::regex_search(info, m, seiten) ? std::stoi(m[1]) : -1;
}

}  // namespace kis::test
