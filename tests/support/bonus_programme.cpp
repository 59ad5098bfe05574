#include "support/bonus_programme.h"

#include <utility>

#include "platform/bonus/beta_programm.h"

namespace kis::test {

void BonusRegel(const std::string& name, const std::string& wertArt, std::vector<std::string> zeilen) {
    TBetaSatz r;
    r.Typ = "GRUNDTAB";
    r.Name = name;
    r.WertArt = wertArt;
    r.Laenge = int(zeilen.size());
    r.Inhalt = std::move(zeilen);
    TBetaStore::Speichern(r, nullptr);
}

void RegelZehnProzent() { BonusRegel("Zehn", "P", {"9999999,99=10,00"}); }

void BonusProgramm(const std::string& typ, const std::string& name, const std::string& basis,
                   const std::string& storno, std::vector<std::string> inhalt, int laenge,
                   const std::string& konto) {
    TBetaSatz p;
    p.Typ = typ;
    p.Name = name;
    p.Basis = basis;
    p.Storno = storno;
    p.Laenge = laenge;
    p.Konto = konto;
    p.Inhalt = std::move(inhalt);
    TBetaStore::Speichern(p, nullptr);
}

}  // namespace kis::test
