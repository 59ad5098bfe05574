#include "platform/layouts/layout_ablage.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "platform/layouts/layout_datei.h"
#include "platform/store/work_files.h"

namespace fs = std::filesystem;

namespace kis::layouts {

namespace {

constexpr const char* kEndung = ".ini";
constexpr std::uintmax_t kMaxDateiGroesse = 256 * 1024;

std::string& OrdnerVorgabe() {
    static std::string ordner;
    return ordner;
}

std::string Zusammen(const std::vector<std::string>& fehler) {
    std::string out;
    for (size_t i = 0; i < fehler.size() && i < 3; ++i) out += (i ? " " : "") + fehler[i];
    if (fehler.size() > 3) out += " (und " + std::to_string(fehler.size() - 3) + " weitere)";
    return out;
}

void DateiSchreiben(const fs::path& ziel, const std::string& inhalt) {
    const fs::path neu = ziel.string() + ".neu";
    {
        std::ofstream out(neu, std::ios::binary | std::ios::trunc);
        out << inhalt;
        out.flush();
        if (!out) {
            std::error_code ec;
            fs::remove(neu, ec);
            throw std::runtime_error("Die Datei \"" + neu.string() + "\" kann nicht geschrieben werden.");
        }
    }
    std::error_code ec;
    fs::rename(neu, ziel, ec);
    if (ec) {
        fs::remove(neu, ec);
        throw std::runtime_error("Die Datei \"" + ziel.string() + "\" kann nicht geschrieben werden: " + ec.message());
    }
}

}  // namespace

std::string LayoutOrdner() {
    if (!OrdnerVorgabe().empty()) return OrdnerVorgabe();
    return (fs::path(kis::store::GetDirWwsByName("LAYOUT")) / "Layouts").string();
}

void SetLayoutOrdner(const std::string& ordner) { OrdnerVorgabe() = ordner; }

TLayoutAblage::TLayoutAblage(std::string ordner) : ordner_(std::move(ordner)) {}

std::string TLayoutAblage::Pfad(const std::string& name) const {
    return (fs::path(ordner_) / (name + kEndung)).string();
}

std::vector<std::string> TLayoutAblage::StandardAnlegen() {
    std::error_code ec;
    fs::create_directories(ordner_, ec);
    if (ec || !fs::is_directory(ordner_, ec))
        throw std::runtime_error("Der Layout-Ordner \"" + ordner_ + "\" kann nicht angelegt werden.");
    std::vector<std::string> angelegt;
    for (const TKundLayout& l : {StandardEtikettenA4(), StandardKundenkarte()}) {
        if (fs::exists(Pfad(l.Name), ec)) continue;
        DateiSchreiben(Pfad(l.Name), LayoutAlsText(l));
        angelegt.push_back(l.Name);
    }
    return angelegt;
}

bool TLayoutAblage::Existiert(const std::string& name) const {
    std::error_code ec;
    return LayoutNameGueltig(name, "") && fs::is_regular_file(Pfad(name), ec);
}

TLayoutEintrag TLayoutAblage::Laden(const std::string& name) const {
    TLayoutEintrag e;
    e.Name = name;
    if (!LayoutNameGueltig(name, "")) {
        e.Fehler = "\"" + name + "\" ist kein gültiger Layoutname.";
        return e;
    }
    const fs::path pfad = Pfad(name);
    std::error_code ec;
    const std::uintmax_t groesse = fs::file_size(pfad, ec);
    if (ec) {
        e.Fehler = "Die Layoutdatei \"" + pfad.string() + "\" fehlt.";
        return e;
    }
    if (groesse > kMaxDateiGroesse) {
        e.Fehler = "Die Layoutdatei ist zu groß für ein Layout.";
        return e;
    }
    std::ifstream in(pfad, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) {
        e.Fehler = "Die Layoutdatei \"" + pfad.string() + "\" kann nicht gelesen werden.";
        return e;
    }
    try {
        TKundLayout l = LayoutAusText(text.str(), name);
        const std::vector<std::string> fehler = LayoutPruefen(l);
        if (!fehler.empty()) {
            e.Fehler = Zusammen(fehler);
            return e;
        }
        e.Layout = std::move(l);
    } catch (const TLayoutDateiFehler& f) {
        e.Fehler = f.what();
    }
    return e;
}

std::vector<TLayoutEintrag> TLayoutAblage::Liste(const std::string& praefix, int art) const {
    std::vector<TLayoutEintrag> out;
    std::error_code ec;
    for (fs::directory_iterator it(ordner_, ec), ende; !ec && it != ende; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() != kEndung) continue;
        const std::string name = p.stem().string();
        if (name.compare(0, praefix.size(), praefix) != 0) continue;
        TLayoutEintrag e = Laden(name);
        if (e.Ok() && e.Layout->Art != art) continue;
        out.push_back(std::move(e));
    }
    std::sort(out.begin(), out.end(), [](const TLayoutEintrag& a, const TLayoutEintrag& b) { return a.Name < b.Name; });
    return out;
}

void TLayoutAblage::Speichern(const TKundLayout& layout, const std::string& praefix) {
    if (!LayoutNameGueltig(layout.Name, praefix))
        throw std::invalid_argument("Ein Layoutname beginnt mit \"" + praefix +
                                    "\" und besteht aus Buchstaben, Ziffern, \"_\" und \"-\" (höchstens 60 Zeichen).");
    const std::vector<std::string> fehler = LayoutPruefen(layout);
    if (!fehler.empty()) throw std::invalid_argument(fehler.front());
    std::error_code ec;
    fs::create_directories(ordner_, ec);
    DateiSchreiben(Pfad(layout.Name), LayoutAlsText(layout));
}

void TLayoutAblage::Loeschen(const std::string& name, const std::string& praefix) {
    if (!LayoutNameGueltig(name, praefix)) throw std::invalid_argument("\"" + name + "\" ist kein gültiger Layoutname.");
    std::error_code ec;
    if (!fs::remove(Pfad(name), ec) || ec)
        throw std::runtime_error("Das Layout \"" + name + "\" kann nicht gelöscht werden" +
                                 (ec ? ": " + ec.message() : std::string(": Die Datei fehlt.")) );
}

}  // namespace kis::layouts
