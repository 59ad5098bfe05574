#pragma once
// Maps stored "active" / "passive" option values of a selection mask onto three-state combo
// boxes (0 no restriction, 1 active, 2 passive). The table is supplied by the selection window.
#include <string>
#include <vector>

namespace kis::app {

struct TAktivPassivEntry {
    std::string comboName;
    std::string aktivName;
    std::string passivName;
    int state = 0;
    bool touched = false;
};

using TAktivPassivTable = std::vector<TAktivPassivEntry>;

// Applies one stored option (value "1" = set) to the first entry that names it.
void SonderLockeAktivPassiv(const std::string& name, const std::string& value,
                            TAktivPassivTable& table);

}  // namespace kis::app
