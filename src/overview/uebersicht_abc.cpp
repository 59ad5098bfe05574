// TUebersichtFrm: the ABC classification of the listed customers.
#include <exception>
#include <memory>

#include "app/dm.h"
#include "engine/merova_query.h"
#include "overview/abc_eing_dialog.h"
#include "overview/abc_resultat.h"
#include "overview/uebersicht_frm.h"
#include "platform/services/orv_info.h"

namespace {

// The dialog created at program start, or one of the window's own when there is none.
template <typename Dialog>
Dialog* GemeinsamerDialog(QWidget* fenster, std::unique_ptr<Dialog>& eigener) {
    if (Dialog* d = Dialog::Instanz()) return d;
    eigener = std::make_unique<Dialog>(fenster);
    return eigener.get();
}

}  // namespace

bool TUebersichtFrm::btnABCClick() {
    TDM* dm = DM();
    if (!dm) return false;
    try {
        std::unique_ptr<TfrmABCEing> eigeneEingabe;
        TfrmABCEing* eingabe = GemeinsamerDialog(this, eigeneEingabe);
        if (eingabe->exec() != QDialog::Accepted) return false;
        TABCInfoRecord info;
        info.ABCTyp = eingabe->FABCTyp;
        info.ABCBezug = eingabe->FABCBezug;
        info.AAnteil = eingabe->FAAnteil;
        info.BAnteil = eingabe->FBAnteil;
        // A refused file or a failed booking has been reported; no result is shown for it.
        if (!dm->ABCKennzeichen(TMerovaQuery::KisuFileName(), info)) return false;
        std::unique_ptr<TfrmABCResultat> eigenesErgebnis;
        TfrmABCResultat* ergebnis = GemeinsamerDialog(this, eigenesErgebnis);
        ergebnis->FABCInfo = info;
        ergebnis->exec();
        return true;
    } catch (const std::exception& e) {
        Registrieren("btnABCClick", e);
        return false;
    }
}
