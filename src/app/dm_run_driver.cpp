// The run driver of the data module: the shared evaluation filter, the one engine instance,
// the runs and the progress handlers.
#include "app/dm.h"

#include "platform/services/orv_info.h"

void TDM::CreateRunDriver() {}

bool TDM::DestroyRunDriver() { return true; }

void TDM::prgDlgAbort() {
    try {
        PrgDlgActive = false;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.prgDlgAbort", e, 1);
    }
}
