#pragma once
// The layouts of cards and labels as files "<Name>.ini" in the suite's layout folder: list,
// load, save, delete. A file that cannot be read or fails the checks is listed with the reason
// and never printed. Saving writes a new file beside the old one and renames it, so a failed
// save leaves the old layout whole.
#include <optional>
#include <string>
#include <vector>

#include "platform/layouts/kund_layout.h"

namespace kis::layouts {

// The suite's layout folder: "Layouts" beside the suite database (the work directory when the
// database is in memory), unless SetLayoutOrdner chose another one.
std::string LayoutOrdner();
void SetLayoutOrdner(const std::string& ordner);  // empty: back to the default

struct TLayoutEintrag {
    std::string Name;
    std::optional<TKundLayout> Layout;  // set when the file is sound
    std::string Fehler;                 // why not, in German
    bool Ok() const { return Layout.has_value(); }
};

class TLayoutAblage {
public:
    explicit TLayoutAblage(std::string ordner);
    const std::string& Ordner() const { return ordner_; }
    std::string Pfad(const std::string& name) const;

    // Creates the folder and those of the standard layouts that are missing; the names
    // created. Throws std::runtime_error when the folder or a file cannot be written.
    std::vector<std::string> StandardAnlegen();

    // The layouts whose name begins with the prefix, by name. Sound layouts of another kind
    // are left out; unreadable ones are listed with their reason.
    std::vector<TLayoutEintrag> Liste(const std::string& praefix, int art) const;
    TLayoutEintrag Laden(const std::string& name) const;
    bool Existiert(const std::string& name) const;

    // Throws std::invalid_argument when the name or the layout fails its checks (the first
    // reason), std::runtime_error when the file cannot be written or removed.
    void Speichern(const TKundLayout& layout, const std::string& praefix);
    void Loeschen(const std::string& name, const std::string& praefix);

private:
    std::string ordner_;
};

}  // namespace kis::layouts
