#pragma once
// The data the overview tests share: three customers with sales, open items and a bonus, and
// helpers that read the overview grid.
#include <QString>
#include <QStringList>

#include "overview/uebersicht_frm.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "support/suite_fixture.h"

using kis::test::BonusDaten;
using kis::test::Pos;
using kis::test::SuiteFixture;

namespace uebersicht_daten {

// Three customers: Adler with a receipt of two positions (123,99, quantity 3), Bauer with an
// invoice (50,00), and Zander, whose key 0/4711 has a zero left half, without sales.
struct Daten {
    SuiteFixture f;
    TIntPair adler, bauer, zander{0, 4711};

    Daten() {
        adler = f.Kunde(1, "Adler", "Anna");
        bauer = f.Kunde(2, "Bauer", "Bernd");
        f.Row("GEP", {{"GEPNR", zander}, {"MANDANT", TIntPair(1, 0)}, {"NAME", "Zander"}, {"VORNAME", "Zoë"},
                      {"SUCHNAME", "Zander"}, {"STATUS", "A"}});
        f.KundeInListe(zander, {1, 0});
        f.Lieferant(7, "MUELLER", "Müller Textil");
        f.Artikel({1, 2, 3}, 7, "L-100", "", 0, {"rot", "gross", "Baumwolle"});
        Pos a;
        a.ist = 100.00;
        a.menge = 2;
        a.artikel = {1, 2, 3};
        Pos b;
        b.ist = 23.99;
        b.artikel = {1, 2, 4};
        f.Beleg(adler, 1, 10, SuiteFixture::D(2024, 3, 5), {a, b}, "BO", 4711);
        Pos c;
        c.ist = 50.00;
        f.Beleg(bauer, 2, 11, SuiteFixture::D(2024, 3, 6), {c}, "RG", 555);
        f.OffenerPosten(adler, "KREDIT", "O", SuiteFixture::D(2024, 2, 1), 50.00, 50.00);
        f.OffenerPosten(adler, "A-RECHNUNG", "O", SuiteFixture::D(2024, 2, 2), 0, 0);
        f.OffenerPosten(bauer, "BONUS", "O", SuiteFixture::D(2024, 2, 3), 0, 12.50);
        BonusDaten bonus;
        bonus.rnr = 9;
        bonus.lnr = 100;
        bonus.snr = 1;
        bonus.kunde = adler;
        bonus.status = "A";
        bonus.wert = 5.00;
        bonus.basis = 123.99;
        bonus.datum = SuiteFixture::D(2024, 3, 20);
        bonus.text = "BO   1     4711\n";
        f.GespeicherterBonus(bonus);
    }
};

inline QString Zelle(TUebersichtFrm& frm, int row, const char* spalte) {
    return frm.mdlKISU->DisplayText(row, frm.mdlKISU->ColumnIndex(QString::fromUtf8(spalte))).trimmed();
}

inline QStringList Namen(TUebersichtFrm& frm) {
    QStringList out;
    for (int r = 0; r < frm.grdKISU->VisibleRowCount(); ++r) out << Zelle(frm, frm.grdKISU->SourceRowAt(r), "NAME");
    return out;
}

inline bool TabSichtbar(TUebersichtFrm& frm, QWidget* seite) {
    return frm.pgcKunde->isTabVisible(frm.pgcKunde->indexOf(seite));
}

}  // namespace uebersicht_daten

using namespace uebersicht_daten;
