#pragma once
// What a selection box is made of, as data: its controls (kind, default, how a mask stores
// them) and its criterion groups (when a group differs from the default and which preset
// lines it then writes). The windows build their boxes on these tables, and the headless
// evaluation reads stored masks with the same tables, so both see the same values.
//
// A box's state travels as BoxWerte: control name -> value in the form preset lines carry
// it: edits and combos their text, check boxes and negation labels "1"/"0", check lists and
// grids a comma text of "key=value" pairs.
#include <map>
#include <string>
#include <vector>

#include "platform/services/form_store.h"

namespace kis::selbox {

using BoxWerte = std::map<std::string, std::string>;

enum class ControlArt {
    Edit,       // text ("Text")
    Combo,      // text of the chosen item ("Text")
    Check,      // "1"/"0" ("Checked")
    NegLabel,   // "1"/"0" ("Negated")
    CheckList,  // comma text "key=1,key=0"; masks keep it in a string holder
    Grid,       // comma text "name=value"; masks keep it in a string holder
};

struct Control {
    std::string name;
    ControlArt art;
    std::string vorgabe;             // value after Clear
    bool maske = true;               // stored with masks
    std::string holder;              // CheckList/Grid: the string holder of the mask ("strlZM")
    std::vector<std::string> items;  // Combo: its items, the first is the default
};

enum class GruppenArt {
    LabelEingaben,    // label negated or an input filled: label line, then every input
    ChecksNichtAlle,  // any of the check boxes unchecked: every check box
    CheckGesetzt,     // the one check box checked: its line
    ListeMitNull,     // label negated or any item "=0": label line (if any), then the list
    ListeMitEins,     // any item "=1": label line (if any), then the list
    GridGefuellt,     // any row has a value: the grid with its filled rows
};

struct Gruppe {
    GruppenArt art;
    std::string label;                  // may be empty (no label line)
    std::vector<std::string> controls;  // inputs, check boxes or the one list
};

struct BoxSchema {
    std::string boxName;   // component name on the selection form ("VkSelBonBox")
    std::string programm;  // form-store program of its masks ("VKBONBOX")
    std::vector<Control> controls;
    std::vector<Gruppe> gruppen;

    const Control* Find(const std::string& name) const;
    // Every control at its default; check lists and grids over the keys they offer (lists
    // without keys there use StandardSchluessel).
    BoxWerte Vorgaben(const std::map<std::string, std::vector<std::string>>& schluessel = {}) const;
    // Property names the box's mask stores ("edtDatumVon.Text", "strlZM.Items").
    std::vector<std::string> MaskenProperties() const;
};

// The fixed keys of a check list (payment-means codes of "chbZM", open-item types of
// "chbOPTypen"); empty for lists whose items come from the database.
std::vector<std::string> StandardSchluessel(const std::string& control);
// Payment-means numbers in the order the receipt box lists them.
const std::vector<int>& ZMReihenfolge();
// Open-item types: caption and key, in list order.
const std::vector<std::pair<std::string, std::string>>& OPTypen();

// The schemas of the nine boxes of the selection form, by box name; nullptr for others.
const BoxSchema* SchemaFuer(const std::string& boxName);
// Box names in form order: address, extended, attribute, number, receipt, article,
// sales sums, open items, completed transactions.
const std::vector<std::string>& BoxNamen();
// The boxes visible when nothing else is known (all but "SumSelEVBox").
bool StandardSichtbar(const std::string& boxName);

// Comma text as the preset lines carry lists: items joined by ',', an item holding a comma,
// a quote or a blank is quoted with '"' (quotes doubled).
std::string CommaText(const std::vector<std::string>& items);
std::vector<std::string> SplitCommaText(const std::string& text);
// "key=value" pairs of a comma text, in order.
std::vector<std::pair<std::string, std::string>> Paare(const std::string& commaText);

// The preset lines of the groups that differ from their defaults, in table order. The
// prefix is the trimmed name and a point, nothing when the name is blank.
std::vector<std::string> ChangedItems(const BoxSchema& schema, const BoxWerte& werte,
                                      const std::string& name);

// The box's values with a stored mask applied over its defaults, as the window holds them
// after Clear and MaskeLaden. `schluessel` gives, per check list and grid, the keys the box
// offers (branch numbers, attribute names ...): a list item missing from the mask is "0"
// (unchecked) and stored keys the box no longer has are dropped; a list without an entry in
// `schluessel` keeps the stored pairs as they are.
BoxWerte WerteAusMaske(const BoxSchema& schema, const services::FormProperties& maske,
                       const std::map<std::string, std::vector<std::string>>& schluessel = {});

std::string Trim(const std::string& s);

}  // namespace kis::selbox
