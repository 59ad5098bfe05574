#include "app/dm.h"

#include <QComboBox>
#include <QMetaObject>

#include "app/version_dialog.h"
#include "engine/merova_filter.h"
#include "engine/merova_query.h"
#include "platform/accounting/konten_server.h"
#include "platform/bonus/bonus_mani.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/match/text_match.h"
#include "platform/partners/gp_data.h"
#include "platform/partners/gp_merkmal_buchmani.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/customer/kund_eing_dialog.h"
#include "platform/ui/customer/kunden_akte_form.h"
#include "platform/ui/progress_dialog.h"

namespace {

TDM* gDM = nullptr;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Runs one step of a tear-down on its own: a failure is registered (flag 0) and the next
// step still runs. Returns false when the step failed.
template <typename F>
bool Guarded(const char* text, F&& step) {
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(text, e, 0);
        return false;
    }
}

}  // namespace

TDM* DM() { return gDM; }

TDM::TDM(const kis::app::Arguments& args, QObject* parent) : QObject(parent), args_(args) {
    setObjectName(QStringLiteral("DM"));
    dlgKundEing = new TKundEingDialog(nullptr);
    // Parentless and opened from windows that hide the main window: closing it must not end
    // the program.
    dlgKundEing->setAttribute(Qt::WA_QuitOnClose, false);
    dlgKundEing->Uebernahme = false;
    dlgKundEing->KundeninfoStartAllowed = true;
    dlgKundEing->UebernahmeSofort = false;
    dlgKundEing->StartModus = TKundEingStartModus::ksSuche;
    CreateProgressDialog();
    try {
        DataModuleCreate();
    } catch (...) {
        // Creation stopped: give back what was taken so far, then let the caller know.
        DataModuleDestroy();
        delete prgDlg;
        delete dlgKundEing;
        prgDlg = nullptr;
        dlgKundEing = nullptr;
        throw;
    }
    gDM = this;
}

TDM::~TDM() {
    if (gDM == this) gDM = nullptr;
    DataModuleDestroy();
    delete prgDlg;
    delete dlgKundEing;
}

void TDM::CreateProgressDialog() {
    prgDlg = new TORVStdProgressDialog(nullptr);
    prgDlg->setObjectName(QStringLiteral("prgDlg"));
    prgDlg->SetCaption(QStringLiteral("Auswertung läuft ..."));
    prgDlg->SetAbortVisible(true);
    prgDlg->resize(300, 350);
    prgDlg->SetElementSpacing(15);
    couKundeName = prgDlg->AddCounter(QStringLiteral("couKundeName"), QStringLiteral("Kunde"),
                                      TORVProgressCounter::Kind::Text, 75);
    couAnzKunde = prgDlg->AddCounter(QStringLiteral("couAnzKunde"), QStringLiteral("Gelesene Kunden"));
    couAnzVkPos = prgDlg->AddCounter(QStringLiteral("couAnzVkPos"), QStringLiteral("Gelesene Verkäufe"));
    prgDlg->OnAbort = [this] { prgDlgAbort(); };
}

void TDM::DataModuleCreate() {
    BonusKennung.clear();
    BonusName.clear();
    FKontoserver = nullptr;
    FGPData = GlobGpData_GetInstance();
    gpDataTaken_ = true;
    KIModus = TSelektionFrmModus::smKundeninfoSelektion;
    CreateRunDriver();
    AutoBGModus = CheckAutoBGModus();
    CheckMandant();
    if (AutoBGModus) {
        AutoBGMaskeProg = GetAutoBGMaske(0);
        AutoBGMaskeKund = GetAutoBGMaske(1);
    }
}

void TDM::DataModuleDestroy() {
    bool ok = true;
    ok &= Guarded("TDM.DataModuleDestroy", [this] {
        delete FKontoserver;
        FKontoserver = nullptr;
    });
    ok &= Guarded("TDM.DataModuleDestroy", [this] {
        if (FGPData) FGPData->Close();
    });
    ok &= Guarded("TDM.DataModuleDestroy", [this] { FGBMerkmlMani.reset(); });
    ok &= Guarded("TDM.DataModuleDestroy", [this] {
        if (gpDataTaken_) GlobGpData_ReleaseInstance();
        gpDataTaken_ = false;
        FGPData = nullptr;
    });
    ok &= Guarded("TDM.DataModuleDestroy", [this] { FBonuMani.reset(); });
    ok &= DestroyRunDriver();
    ok &= Guarded("TDM.DataModuleDestroy", [this] {
        delete FKundenAkte;
        FKundenAkte = nullptr;
    });
    if (!ok) ORVInfo().FehlerTerminate("TDM.DataModuleDestroy");
}

bool TDM::CheckAutoBGModus() { return kis::app::CheckAutoBGModus(args_); }

void TDM::CheckMandant() {
    try {
        for (const std::string& bezeichnung : kis::app::MandantSwitches(args_)) {
            const auto mandant = ORVProgramm().MandantByBezeichnung(bezeichnung);
            if (!mandant) ORVInfo().FehlerRaise("TDM.CheckMandant", "STANDARD", 991, {bezeichnung});
            ORVProgramm().SetAktMandant(*mandant);
            MandantVorgegeben = true;
        }
    } catch (const std::exception& e) {
        // Registered here and passed on: an unknown client company stops the creation.
        ORVInfo().RegisterException("TDM.CheckMandant", e, 1);
        throw;
    }
}

QString TDM::GetAutoBGMaske(int which) { return Q(kis::app::GetAutoBGMaske(args_, which)); }

void TDM::ExecuteMerova(const TIntPair& kunde) {
    try {
        if (!FKundenAkte) {
            FKundenAkte = new TQEL_KubeAktenForm(nullptr);
            FKundenAkte->KundEingDlgAllowed = false;
        }
        FKundenAkte->SetGepNR(kunde);
        FKundenAkte->Execute();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.ExecuteMerova", e, 1);
    }
}

QString TDM::GetKundeName(const TIntPair& kunde) {
    try {
        TGpSatz k;
        if (!FGPData || !FGPData->Get(kunde, k)) return {};
        std::string name = kis::match::Trim(k.Name + " " + k.Name2);
        const std::string vorname = kis::match::Trim(k.Vorname);
        if (!vorname.empty()) name += ", " + vorname;
        return Q(name);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.GetKundeName", e, 1);
        return {};
    }
}

void TDM::Versionsanzeige(QWidget* parent) {
    try {
        TVersionsanzeige dlg(QStringLiteral("Kundeninformationssystem"), parent);
        dlg.exec();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.Versionsanzeige", e, 1);
    }
}

TBonusRechner& TDM::BonusRechner() {
    if (!FBonusRechner) FBonusRechner = std::make_unique<TBonusRechner>();
    return *FBonusRechner;
}

TQEL_GP_GBMERkmal_Buchmani* TDM::GBMerkmlMani_GoC() {
    try {
        if (!FGBMerkmlMani) FGBMerkmlMani = std::make_unique<TQEL_GP_GBMERkmal_Buchmani>();
        return FGBMerkmlMani.get();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.GBMerkmlMani_GoC", e, 1);
        return nullptr;
    }
}

bool TDM::SetABC(const TIntPair& kunde, const QString& wert, TABCTyp typ) {
    try {
        if (typ == TABCTyp::abcOhne) return false;
        const std::string merkmal = typ == TABCTyp::abcAktuell ? "ABC-Kennzeichen (Aktuell)"
                                                               : "ABC-Kennzeichen (Vergleich)";
        auto* mani = GBMerkmlMani_GoC();
        if (!mani) return false;
        const int32_t nr = mani->NeuesMerkmalAnlegenIfN(merkmal);
        mani->BucheMerkmal(kunde, nr, wert.toStdString());
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.SetABC", e, 1);
    }
    return false;
}

bool TDM::BONUBucheManuell(const TQEL_ManuellerBonus& grant) {
    try {
        if (!FBonuMani) FBonuMani = std::make_unique<TQEL_BonusMani>();
        FBonuMani->BONUBucheManuell(grant);
        return true;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.BONUBucheManuell", e, 1);
        return false;
    }
}

void TDM::SonderLockeAktivPassiv(const QString& name, const QString& wert,
                                 kis::app::TAktivPassivTable& table) {
    try {
        kis::app::SonderLockeAktivPassiv(name.toStdString(), wert.toStdString(), table);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.SonderLockeAktivPassiv", e, 1);
    }
}

void TDM::SonderLockeAktivPassivFinal(QWidget* erwBox, const kis::app::TAktivPassivTable& table) {
    try {
        if (!erwBox) return;
        for (const auto& entry : table) {
            auto* combo = erwBox->findChild<QComboBox*>(Q(entry.comboName));
            if (!combo) continue;
            // The box maps the state onto its combo when it knows how; else the item order
            // "no restriction", "active", "passive" is assumed.
            if (!QMetaObject::invokeMethod(erwBox, "StatusNachCombo", Q_ARG(QComboBox*, combo),
                                           Q_ARG(int, entry.state)) &&
                entry.state < combo->count())
                combo->setCurrentIndex(entry.state);
        }
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.SonderLockeAktivPassivFinal", e, 1);
    }
}

TKontenServer* TDM::KontoServer_GoC() {
    try {
        if (!FKontoserver) FKontoserver = new TKontenServer;
        return FKontoserver;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.KontoServer_GoC", e, 1);
        return nullptr;
    }
}

void TDM::Fuelle_Konten(QComboBox* list) {
    try {
        if (!list) return;
        list->clear();
        TKontenServer* server = KontoServer_GoC();
        if (!server) return;
        const TIntPair mandant = ORVProgramm().GetAktMandant();
        for (int art = kKontoArtBonusErste; art <= kKontoArtBonusLetzte; ++art) {
            const std::string konto = server->KontoBySonderArt(mandant, art);
            std::string bezeichnung = server->Bezeichnung(mandant, konto);
            if (bezeichnung.empty()) bezeichnung = TKontenServer::DefaultBezeichnung(art);
            list->addItem(Q(bezeichnung), Q(konto));
        }
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.Fuelle_Konten", e, 1);
    }
}

QString TDM::GetKontenKuerzel(const QComboBox* list, int index) {
    if (!list || index < 0 || index >= list->count()) return {};
    return list->itemData(index).toString();
}

int TDM::GetKontenIndex(const QComboBox* list, const QString& konto) {
    if (!list) return -1;
    for (int i = 0; i < list->count(); ++i)
        if (list->itemData(i).toString() == konto) return i;
    return -1;
}

void TDM::Leere_Konten(QComboBox* list) {
    if (list) list->clear();  // the item data goes with the items
}

QString TDM::GetKontoBezeichnung(const QString& konto) {
    try {
        TKontenServer* server = KontoServer_GoC();
        const std::string b = server ? server->Bezeichnung(ORVProgramm().GetAktMandant(), konto.toStdString())
                                     : std::string();
        return b.empty() ? konto : Q(b);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TDM.GetKontoBezeichnung", e, 1);
        return {};
    }
}
