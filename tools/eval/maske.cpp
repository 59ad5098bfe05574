#include "maske.h"

#include "engine/box_transfer.h"
#include "platform/partners/gp_merkmale.h"
#include "platform/selbox/box_schema.h"
#include "platform/services/form_store.h"
#include "platform/services/orv_program.h"
#include "platform/tables/filial_tabelle.h"

namespace kis::eval {

namespace {
constexpr const char* kSlot = "SELKNDUM";  // masks of "Selektion und Auswertung"
}

bool FilterAusMaske(const std::string& maskeName, TMerovaFilter& filter, std::string& fehler) {
    const std::string name = selbox::Trim(maskeName);
    services::FormStore fenster({"MEROVA", "DEU", kSlot, "0"});
    if (name.empty() || !fenster.Exists(name)) {
        fehler = "Die Maske \"" + name + "\" ist nicht gespeichert.";
        return false;
    }
    const services::FormProperties sichtbarkeit = fenster.Restore(name);

    // The items the window's lists and grids offer, so a stored mask reads as the window
    // shows it (a branch added after saving is unchecked there, too).
    std::map<std::string, std::vector<std::string>> schluessel;
    TFilialTabelle filialen;
    filialen.Laden(ORVProgramm().GetAktMandant());
    for (const TFiliale& f : filialen.Filialen())
        schluessel["chbFilialen"].push_back(std::to_string(f.Nr));
    schluessel["grdMerkmale"] = TGpMerkmale::Definitionen();
    schluessel["grdNummern"] = TGpMerkmale::NummernArten();

    for (const std::string& box : selbox::BoxNamen()) {
        const auto it = sichtbarkeit.find(box + ".Visible");
        const bool sichtbar =
            box != "SumSelEVBox" &&
            (it == sichtbarkeit.end() ? selbox::StandardSichtbar(box) : it->second == "1");
        if (!sichtbar) continue;
        const selbox::BoxSchema* schema = selbox::SchemaFuer(box);
        services::FormStore store({schema->programm, "DEU", kSlot, "0"});
        const services::FormProperties maske = store.Restore(name);
        selbox::FilterAusBox(box, selbox::WerteAusMaske(*schema, maske, schluessel), filter);
    }
    return true;
}

}  // namespace kis::eval
