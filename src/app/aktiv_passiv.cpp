#include "app/aktiv_passiv.h"

#include <strings.h>

namespace kis::app {

namespace {
bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && ::strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}
}  // namespace

void SonderLockeAktivPassiv(const std::string& name, const std::string& value,
                            TAktivPassivTable& table) {
    const bool set = value == "1";
    for (auto& e : table) {
        const bool aktiv = SameText(e.aktivName, name);
        const bool passiv = !aktiv && SameText(e.passivName, name);
        if (!aktiv && !passiv) continue;
        const int own = aktiv ? 1 : 2;
        const int other = aktiv ? 2 : 1;
        if (!e.touched) {
            e.state = set ? own : 0;
            e.touched = true;
        } else if (set && e.state == 0) {
            e.state = own;
        } else if (set && e.state == other) {
            e.state = 0;  // both set: no restriction
        }
        return;
    }
}

}  // namespace kis::app
