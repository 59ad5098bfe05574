#pragma once
// The platform program object: program identity, current client company (mandant),
// workstation settings, silent and automatic-run mode.
//
// Workstation type, workstation id, installation identifier and country are settings of the
// settings mask "SYSTEM" in the suite database ("RTYP", "RID", "KUNDENKENNUNG", "LAND";
// defaults 1, 1, "", "D"). They are read once, when first asked for; an administrator
// changes them in the database, tests through the setters.
#include <exception>
#include <optional>
#include <string>

#include "platform/base/keys.h"

inline constexpr const char* kSystemSettingsMask = "SYSTEM";

class TORVProgramm {
public:
    // Program start: program identifier ("MEROVA"), process type, instance-count mode and two
    // further platform arguments, which are kept but not interpreted.
    void Init(const std::string& programId, int processType, int instanceMode, int reserved = 0,
              bool flag = false);
    const std::string& ProgrammId() const { return programId_; }
    int ProcessType() const { return processType_; }
    int InstanceMode() const { return instanceMode_; }

    // Current client company; 0/0 until one is set.
    TIntPair GetAktMandant() const { return aktMandant_; }
    void SetAktMandant(TIntPair mandant) { aktMandant_ = mandant; }
    // The first client company of table MANDANT by key; 0/0 when there is none.
    TIntPair MandantErster();
    // The client company whose designation equals the text (blanks and case ignored).
    std::optional<TIntPair> MandantByBezeichnung(const std::string& bezeichnung);
    // Name of the current client company for captions (its designation when the name is
    // empty); empty when there is none.
    std::string GetTextMandant();
    // Currency text of the current client company; "EUR" when none is stored.
    std::string GetWaehrung();

    // The process id as text, zero-padded to 8 digits ("00004711"); work files carry it.
    std::string ProzessIdFormated() const;

    std::string GetKundenkennung();
    std::string GetLand();
    int GetRId();
    int GetRTyp();
    void SetKundenkennung(const std::string& value) { kundenkennung_ = value; }
    void SetLand(const std::string& value) { land_ = value; }
    void SetRId(int value) { rId_ = value; }
    void SetRTyp(int value) { rTyp_ = value; }
    // Forgets the settings read or set, so the next request reads the database again.
    void ReloadSettings();

    void SetSilentMode(bool silent) { silent_ = silent; }
    bool IsSilentMode() const { return silent_; }
    // The automatic-run flag (unattended bonus generation).
    void SetAutoRun(bool autoRun) { autoRun_ = autoRun; }
    bool IsAutoRun() const { return autoRun_; }

    // Registers an exception and shows it to the user through the information service.
    void ShowException(const std::exception& e);

private:
    std::string programId_;
    int processType_ = 0;
    int instanceMode_ = 0;
    TIntPair aktMandant_;
    std::optional<std::string> kundenkennung_;
    std::optional<std::string> land_;
    std::optional<int> rId_;
    std::optional<int> rTyp_;
    bool silent_ = false;
    bool autoRun_ = false;
};

// The process-wide program object.
TORVProgramm& ORVProgramm();
