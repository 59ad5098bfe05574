// Program start of the customer information system.
#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/dm.h"
#include "app/kunden_info.h"
#include "app/start_up.h"
#include "app/unattended.h"
#include "bonus/bonus_als_verw.h"
#include "bonus/bonus_fenster.h"
#include "bonus/bonus_man_eing.h"
#include "overview/abc_eing_dialog.h"
#include "overview/abc_resultat.h"
#include "overview/set_merkmal.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/work_files.h"
#include "platform/ui/qt_setup.h"

namespace {

// The long-lived objects of a run, destroyed in reverse order of creation.
struct Fenster {
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TKundenInfo> kundenInfo;
    std::unique_ptr<Tbonusalsverw> bonusalsverw;
    std::unique_ptr<TfrmABCEing> abcEing;
    std::unique_ptr<TfrmABCResultat> abcResultat;
    std::unique_ptr<Tfrmbonusmaneing> bonusmaneing;
    std::unique_ptr<Tfrmsetmerkmal> setmerkmal;
    std::unique_ptr<TBonusFenster> bonusFenster;

    ~Fenster() {
        bonusFenster.reset();
        setmerkmal.reset();
        bonusmaneing.reset();
        abcResultat.reset();
        abcEing.reset();
        bonusalsverw.reset();
        kundenInfo.reset();
        dm.reset();
    }
};

}  // namespace

int main(int argc, char** argv) {
    const kis::app::Arguments args = kis::app::ArgumentsOf(argc, argv);
    kis::app::ChooseHeadlessPlatform(args);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kis"));
    kis::ui::InstallGermanTranslations(app);
    kis::ui::InstallMessagePresenter(QStringLiteral("Kundeninformationssystem"));
    kis::ui::InstallMessagePump();

    auto fenster = std::make_unique<Fenster>();
    int exitCode = 0;
    try {
        if (kis::app::CheckAutoBGModus(args)) {
            ORVProgramm().SetAutoRun(true);
            ORVProgramm().SetSilentMode(true);
        }
        ORVProgramm().Init("MEROVA", 3, 1, 0, false);

        const QString dbPath = kis::app::DatabasePath(
            args, std::getenv("KIS_DB"), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        const QString dbError = kis::app::OpenSuiteDatabase(dbPath, !ORVProgramm().IsSilentMode());
        if (!dbError.isEmpty()) {
            std::cerr << "kis: " << dbError.toStdString() << std::endl;
            ORVInfo().FehlerBox(dbError.toStdString());
            return 2;
        }
        kis::store::RemoveStaleWorkFiles();
        // The program object starts in the first client company (MAND= may choose another),
        // so captions built before the main window is shown name it; bookings carry the
        // workstation id.
        ORVProgramm().SetAktMandant(ORVProgramm().MandantErster());
        kis::store::ORVBuchung().SetWorkstationId(ORVProgramm().GetRId());

        fenster->dm = std::make_unique<TDM>(args);
        fenster->kundenInfo = std::make_unique<TKundenInfo>(fenster->dm.get());
        fenster->bonusalsverw = std::make_unique<Tbonusalsverw>();
        fenster->abcEing = std::make_unique<TfrmABCEing>();
        fenster->abcResultat = std::make_unique<TfrmABCResultat>();
        fenster->bonusmaneing = std::make_unique<Tfrmbonusmaneing>();
        fenster->setmerkmal = std::make_unique<Tfrmsetmerkmal>();
        fenster->bonusFenster = std::make_unique<TBonusFenster>(*fenster->kundenInfo, *fenster->dm);
        fenster->bonusalsverw->MenueVerbinden(*fenster->kundenInfo);
    } catch (const std::exception& e) {
        ORVProgramm().ShowException(e);
        exitCode = 1;
    }

    if (kis::app::AbgBeendet() && kis::app::OhneAnzeige()) {
        // The unattended run ended while the windows were created: nobody is there to see
        // them, so the message loop does not start.
        exitCode = static_cast<int>(kis::app::AbgLetzterStatus());
        QTimer::singleShot(0, &app, [&app, exitCode] { app.exit(exitCode); });
    } else if (fenster->kundenInfo) {
        fenster->kundenInfo->show();
    } else {
        // Nothing to show: the message loop starts and ends at once.
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    const int loopCode = app.exec();
    fenster.reset();
    kis::store::RemoveOwnWorkFiles();
    kis::ui::RemoveMessagePump();
    kis::ui::RemoveMessagePresenter();
    return exitCode ? exitCode : loopCode;
}
