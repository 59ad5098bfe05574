#include "platform/selbox/box_schema.h"

#include <algorithm>
#include <set>

namespace kis::selbox {

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

const Control* BoxSchema::Find(const std::string& name) const {
    for (const Control& c : controls)
        if (c.name == name) return &c;
    return nullptr;
}

namespace {

bool IstListe(ControlArt art) {
    return art == ControlArt::CheckList || art == ControlArt::Grid;
}

std::vector<std::string> SchluesselVon(
    const Control& c, const std::map<std::string, std::vector<std::string>>& schluessel,
    bool& bekannt) {
    const auto it = schluessel.find(c.name);
    if (it != schluessel.end()) {
        bekannt = true;
        return it->second;
    }
    std::vector<std::string> fest = StandardSchluessel(c.name);
    bekannt = !fest.empty();
    return fest;
}

std::string ListeMit(const std::vector<std::string>& keys, const std::string& wert) {
    std::vector<std::string> paare;
    for (const std::string& k : keys) paare.push_back(k + "=" + wert);
    return CommaText(paare);
}

}  // namespace

BoxWerte BoxSchema::Vorgaben(
    const std::map<std::string, std::vector<std::string>>& schluessel) const {
    BoxWerte w;
    for (const Control& c : controls) {
        if (IstListe(c.art)) {
            bool bekannt = false;
            w[c.name] = ListeMit(SchluesselVon(c, schluessel, bekannt), c.vorgabe);
        } else if (c.art == ControlArt::Combo && !c.items.empty()) {
            w[c.name] = c.items.front();
        } else {
            w[c.name] = c.vorgabe;
        }
    }
    return w;
}

std::vector<std::string> BoxSchema::MaskenProperties() const {
    std::vector<std::string> out;
    for (const Control& c : controls) {
        if (!c.maske) continue;
        switch (c.art) {
            case ControlArt::Edit:
            case ControlArt::Combo:
                out.push_back(c.name + ".Text");
                break;
            case ControlArt::Check:
                out.push_back(c.name + ".Checked");
                break;
            case ControlArt::NegLabel:
                out.push_back(c.name + ".Negated");
                break;
            case ControlArt::CheckList:
            case ControlArt::Grid:
                out.push_back(c.holder + ".Items");
                break;
        }
    }
    return out;
}

std::string CommaText(const std::vector<std::string>& items) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i) out += ',';
        const std::string& it = items[i];
        if (it.find_first_of(", \"") == std::string::npos) {
            out += it;
            continue;
        }
        out += '"';
        for (char ch : it) {
            if (ch == '"') out += '"';
            out += ch;
        }
        out += '"';
    }
    return out;
}

std::vector<std::string> SplitCommaText(const std::string& text) {
    std::vector<std::string> out;
    if (Trim(text).empty()) return out;
    size_t i = 0;
    const size_t n = text.size();
    while (i <= n) {
        std::string item;
        if (i < n && text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
            while (i < n && text[i] != ',') item += text[i++];  // text after the closing quote
        } else {
            while (i < n && text[i] != ',') item += text[i++];
        }
        out.push_back(item);
        if (i >= n) break;
        ++i;  // the comma
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> Paare(const std::string& commaText) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const std::string& item : SplitCommaText(commaText)) {
        const auto eq = item.find('=');
        if (eq == std::string::npos) continue;
        out.emplace_back(Trim(item.substr(0, eq)), item.substr(eq + 1));
    }
    return out;
}

namespace {

std::string Wert(const BoxWerte& w, const std::string& name) {
    const auto it = w.find(name);
    return it == w.end() ? std::string() : it->second;
}

bool Abweichend(const BoxSchema& schema, const BoxWerte& w, const std::string& name) {
    const Control* c = schema.Find(name);
    const std::string v = Trim(Wert(w, name));
    if (c && c->art == ControlArt::Combo && !c->items.empty()) return v != Trim(c->items.front());
    if (c && (c->art == ControlArt::Check || c->art == ControlArt::NegLabel))
        return v != c->vorgabe;
    return !v.empty();
}

bool ListeHat(const std::string& commaText, const std::string& flag) {
    for (const auto& [k, v] : Paare(commaText))
        if (Trim(v) == flag) return true;
    return false;
}

std::string GefuellteZeilen(const std::string& commaText) {
    std::vector<std::string> items;
    for (const auto& [k, v] : Paare(commaText))
        if (!Trim(v).empty()) items.push_back(k + "=" + Trim(v));
    return CommaText(items);
}

}  // namespace

std::vector<std::string> ChangedItems(const BoxSchema& schema, const BoxWerte& werte,
                                      const std::string& name) {
    const std::string n = Trim(name);
    const std::string prefix = n.empty() ? std::string() : n + ".";
    std::vector<std::string> out;
    auto zeile = [&](const std::string& control, const std::string& wert) {
        out.push_back(prefix + control + "=" + wert);
    };
    auto labelZeile = [&](const Gruppe& g) {
        if (!g.label.empty()) zeile(g.label, Wert(werte, g.label) == "1" ? "1" : "0");
    };
    for (const Gruppe& g : schema.gruppen) {
        const bool negiert = !g.label.empty() && Wert(werte, g.label) == "1";
        switch (g.art) {
            case GruppenArt::LabelEingaben: {
                bool geaendert = negiert;
                for (const auto& c : g.controls)
                    geaendert = geaendert || Abweichend(schema, werte, c);
                if (!geaendert) break;
                labelZeile(g);
                for (const auto& c : g.controls) zeile(c, Wert(werte, c));
                break;
            }
            case GruppenArt::ChecksNichtAlle: {
                bool einer = false;
                for (const auto& c : g.controls) einer = einer || Wert(werte, c) != "1";
                if (!einer) break;
                for (const auto& c : g.controls) zeile(c, Wert(werte, c) == "1" ? "1" : "0");
                break;
            }
            case GruppenArt::CheckGesetzt:
                if (Wert(werte, g.controls.front()) == "1") zeile(g.controls.front(), "1");
                break;
            case GruppenArt::ListeMitNull:
            case GruppenArt::ListeMitEins: {
                const std::string& liste = g.controls.front();
                const bool an = g.art == GruppenArt::ListeMitNull
                                    ? negiert || ListeHat(Wert(werte, liste), "0")
                                    : ListeHat(Wert(werte, liste), "1");
                if (!an) break;
                labelZeile(g);
                zeile(liste, Wert(werte, liste));
                break;
            }
            case GruppenArt::GridGefuellt: {
                const std::string& grid = g.controls.front();
                const std::string gefuellt = GefuellteZeilen(Wert(werte, grid));
                if (!gefuellt.empty()) zeile(grid, gefuellt);
                break;
            }
        }
    }
    return out;
}

BoxWerte WerteAusMaske(const BoxSchema& schema, const services::FormProperties& maske,
                       const std::map<std::string, std::vector<std::string>>& schluessel) {
    BoxWerte w = schema.Vorgaben(schluessel);
    for (const Control& c : schema.controls) {
        if (!c.maske) continue;
        if (!IstListe(c.art)) {
            const char* prop = c.art == ControlArt::Check      ? ".Checked"
                               : c.art == ControlArt::NegLabel ? ".Negated"
                                                               : ".Text";
            const auto it = maske.find(c.name + prop);
            if (it == maske.end()) continue;
            if (c.art == ControlArt::Check || c.art == ControlArt::NegLabel)
                w[c.name] = Trim(it->second) == "1" ? "1" : "0";
            else
                w[c.name] = it->second;
            continue;
        }
        const auto it = maske.find(c.holder + ".Items");
        if (it == maske.end()) continue;
        // The holder keeps one "key=value" line per item.
        std::map<std::string, std::string> gespeichert;
        std::vector<std::string> reihenfolge;
        size_t start = 0;
        const std::string& text = it->second;
        while (start <= text.size()) {
            const auto end = text.find('\n', start);
            const std::string line =
                text.substr(start, end == std::string::npos ? std::string::npos : end - start);
            const auto eq = line.find('=');
            if (eq != std::string::npos) {
                const std::string key = Trim(line.substr(0, eq));
                if (!gespeichert.count(key)) reihenfolge.push_back(key);
                gespeichert[key] = line.substr(eq + 1);
            }
            if (end == std::string::npos) break;
            start = end + 1;
        }
        bool bekannt = false;
        const std::vector<std::string> keys = SchluesselVon(c, schluessel, bekannt);
        if (!bekannt) {
            std::vector<std::string> paare;
            for (const auto& k : reihenfolge) paare.push_back(k + "=" + gespeichert[k]);
            w[c.name] = CommaText(paare);
            continue;
        }
        std::vector<std::string> paare;
        for (const std::string& k : keys) {
            const auto g = gespeichert.find(k);
            if (c.art == ControlArt::CheckList)
                paare.push_back(k + "=" +
                                (g != gespeichert.end() && Trim(g->second) == "1" ? "1" : "0"));
            else
                paare.push_back(k + "=" +
                                (g != gespeichert.end() ? Trim(g->second) : std::string()));
        }
        w[c.name] = CommaText(paare);
    }
    return w;
}

}  // namespace kis::selbox
