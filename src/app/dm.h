#pragma once
// The data module: the one non-visual object every window uses. It holds the run mode and the
// bonus settings of a bonus run, the progress dialog of the runs, the customer entry dialog and
// the platform services taken on first use (account server, attribute booking, bonus manager,
// customer file window). It is created first at program start and lives until the end.
//
// Creation reads the command line; an unknown client company in MAND= stops it with the
// catalogued error "Unbekannter Mandant" (the exception leaves the constructor, everything
// taken so far is given back).
#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "app/aktiv_passiv.h"
#include "app/command_line.h"
#include "app/kis_types.h"
#include "platform/base/keys.h"

class QComboBox;
class QWidget;
class TKontenServer;
class TMerovaFilter;
class TMerovaQuery;
class TKundEingDialog;
class TORVProgressCounter;
class TORVStdProgressDialog;
class TBonusRechner;
class TQEL_BonusMani;
class TQEL_GP_GBMERkmal_Buchmani;
class TQEL_KubeAktenForm;
struct TQEL_ManuellerBonus;
class TGpData;

class TDM : public QObject {
    Q_OBJECT

public:
    explicit TDM(const kis::app::Arguments& args, QObject* parent = nullptr);
    ~TDM() override;

    // Components.
    TKundEingDialog* dlgKundEing = nullptr;
    TORVStdProgressDialog* prgDlg = nullptr;
    TORVProgressCounter* couKundeName = nullptr;
    TORVProgressCounter* couAnzKunde = nullptr;
    TORVProgressCounter* couAnzVkPos = nullptr;
    // Shows the progress dialog for a run: counters reset, abort button when `abbrechbar` and not in
    // automatic mode.
    void ZeigeLaufDialog(const QString& caption, const QString& captionKunde,
                         const QString& captionAnzKunde, const QString& captionAnzVkPos,
                         bool abbrechbar = true);

    // Fields.
    TGpData* FGPData = nullptr;                          // shared instance
    TQEL_KubeAktenForm* FKundenAkte = nullptr;           // owned, on first use
    std::unique_ptr<TQEL_BonusMani> FBonuMani;           // on first use
    std::unique_ptr<TBonusRechner> FBonusRechner;        // on first use
    std::unique_ptr<TQEL_GP_GBMERkmal_Buchmani> FGBMerkmlMani;  // on first use
    TKontenServer* FKontoserver = nullptr;               // on first use
    TSelektionFrmModus KIModus = TSelektionFrmModus::smKundeninfoSelektion;
    QString BonusKennung;
    QString BonusName;
    bool AutoBGModus = false;
    QString AutoBGMaskeProg;
    QString AutoBGMaskeKund;
    bool PrgDlgActive = false;
    // True when MAND= chose the client company; the main window then keeps it.
    bool MandantVorgegeben = false;

    // Command-line readers over the arguments the module was created with.
    bool CheckAutoBGModus();
    void CheckMandant();
    QString GetAutoBGMaske(int which);

    // Services for the windows.
    void ExecuteMerova(const TIntPair& kunde);
    QString GetKundeName(const TIntPair& kunde);
    void Versionsanzeige(QWidget* parent = nullptr);
    bool SetABC(const TIntPair& kunde, const QString& wert, TABCTyp typ);
    bool BONUBucheManuell(const TQEL_ManuellerBonus& grant);
    void SonderLockeAktivPassiv(const QString& name, const QString& wert,
                                kis::app::TAktivPassivTable& table);
    // Sets each named combo box below the box from its entry's state.
    void SonderLockeAktivPassivFinal(QWidget* erwBox, const kis::app::TAktivPassivTable& table);

    // Account lists: combo items carry the account number as item data.
    TKontenServer* KontoServer_GoC();
    void Fuelle_Konten(QComboBox* list);
    QString GetKontenKuerzel(const QComboBox* list, int index);
    int GetKontenIndex(const QComboBox* list, const QString& konto);
    void Leere_Konten(QComboBox* list);
    QString GetKontoBezeichnung(const QString& konto);

    TQEL_GP_GBMERkmal_Buchmani* GBMerkmlMani_GoC();

    // ABC classification and attributes (dm_abc.cpp): the attribute booking object the
    // overview books with, and the classification of the run's customers with the hourglass.
    // ABCKennzeichen shows "Designfehler!" when the result file is refused and the reason
    // when the booking fails; it answers true only when the classification is complete (and
    // booked unless abcOhne), otherwise the record's results are 0.
    TQEL_GP_GBMERkmal_Buchmani* GetGBMerkmalMani() { return GBMerkmlMani_GoC(); }
    bool ABCKennzeichen(const std::string& kisuDatei, TABCInfoRecord& info);
    // The bonus calculator of the bonus windows (rule lists, rules, programme selections).
    TBonusRechner& BonusRechner();

    // The progress dialog's abort: stops a running engine, then clears PrgDlgActive.
    void prgDlgAbort();

    // Run driver. The engine is created by the first run and reused; the filter is filled by
    // the selection windows before each run. Every run closes the progress dialog on every
    // path and answers false on failure.
    std::unique_ptr<TMerovaQuery> KIQuery;
    std::unique_ptr<TMerovaFilter> KIFilter;
    bool ExecuteKIQuery();
    // The serial-letter selection: NewFile true builds a new customer list; false appends,
    // keeping the customers listed and adding the new ones, each once (a failed append
    // leaves the list as it was). The detail file holds the last run's records only.
    bool ExecuteSBQuery(bool NewFile = true);
    bool ExecuteKIQueryFillKIVKLieferant();
    bool ExecuteKIQueryFillKIVKMerkmale();
    void KIQueryOnGepGelesen(const TIntPair& kunde, const std::string& name);
    void KIQueryOnGepSelektiert(const TIntPair& kunde, const std::string& name);
    void KIQueryOnLFNRGelesen(const TIntPair& kunde, const std::string& name, int32_t belegRNr,
                              int32_t belegLNr, const std::string& belegArt);
    void KIQueryOnLSTGelesen();
    void KIQueryOnKIVKGelesen();

private:
    void DataModuleCreate();
    void DataModuleDestroy();
    void CreateProgressDialog();
    // The run driver's part of creation and destruction.
    void CreateRunDriver();
    bool DestroyRunDriver();
    TMerovaQuery& KIQuery_GoC();
    bool FillRun(const char* name, const QString& caption, bool lieferant);
    // The common part of the runs once the dialog is shown: filter, evaluation and, with
    // bonus, the generation; says why a run failed and ends an unattended run that failed.
    bool LaufAusfuehren(TMerovaQuery& q, bool bonus);

    kis::app::Arguments args_;
    bool gpDataTaken_ = false;
};

// The data module of the running program (set while one exists).
TDM* DM();
