// TDM: the ABC classification of the run's customers.
#include <QApplication>
#include <QCursor>
#include <exception>

#include "app/dm.h"
#include "engine/abc_klassifikation.h"
#include "platform/services/orv_info.h"

namespace {

// The hourglass for as long as the object lives.
struct Sanduhr {
    Sanduhr() {
        if (qApp) QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Sanduhr() {
        if (qApp) QApplication::restoreOverrideCursor();
    }
};

}  // namespace

bool TDM::ABCKennzeichen(const std::string& kisuDatei, TABCInfoRecord& info) {
    try {
        TABCErgebnis ergebnis;
        {
            Sanduhr sanduhr;
            ergebnis = ABCKennzeichnen(kisuDatei, info);
        }
        if (ergebnis == TABCErgebnis::Fertig) return true;
        ORVInfo().HinweisBox("Designfehler!");
        return false;
    } catch (const std::exception& e) {
        info.ErgebnisLeeren();
        ORVInfo().RegisterException("TDM.ABCKennzeichen", e, 1);
        ORVInfo().FehlerBox(std::string("Die ABC-Kennzeichen wurden nicht gebucht.\n") + e.what());
        return false;
    }
}
