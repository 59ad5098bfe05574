#pragma once
// The information and error service of the platform: the error log, catalogued messages,
// message boxes and the message pump hook.
//
// Boxes go through the installed MessagePresenter. Without a presenter (headless) or in
// silent mode (ORVProgramm().SetSilentMode) a box is only logged and answered by default:
//   ORVJaNeinBox(text, defaultYes)  -> defaultYes
//   ShowMeldung(kind 4, ...)        -> 7 ("no")
//   information and warning boxes   -> 1 ("OK")
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/services/catalog_error.h"
#include "platform/services/message_presenter.h"

namespace kis::services {

// Kinds of ShowMeldung.
inline constexpr int kMeldungHinweis = 0;  // information, answered with OK
inline constexpr int kMeldungWarnung = 1;  // warning, answered with OK
inline constexpr int kMeldungFehler = 2;   // error, answered with OK
inline constexpr int kMeldungJaNein = 4;   // yes/no question

// Answers of message boxes.
inline constexpr int kAntwortOk = 1;
inline constexpr int kAntwortJa = 6;
inline constexpr int kAntwortNein = 7;

// One recorded event: a registered exception, a fatal end, or a box shown without a presenter.
struct InfoEntry {
    enum class Kind { Exception, Fatal, Box };
    Kind kind = Kind::Exception;
    TDateTime time = 0;
    std::string text;     // "TDM.CheckMandant", or the kind of box ("Hinweis", "Frage" ...)
    std::string message;  // what() of the exception, or the text of the box and its answer
    int flag = 1;         // RegisterException's flag; -1 for other entries
};

}  // namespace kis::services

class TORVInfo {
public:
    using Presenter = kis::services::MessagePresenter;

    // Records an exception under "Class.Method": one line in the log file and one entry in
    // memory; it becomes the last error. flag 1 in method bodies, 0 in guarded tear-down steps.
    void RegisterException(const std::string& text, const std::exception& e, int flag = 1);
    // Records a message that is no error ("Meldung" in the log), e.g. the end of a run.
    void RegisterMeldung(const std::string& text, const std::string& message);

    // Fatal end: records text (and the exception being handled, if any), tells the user and
    // runs the termination action (default: flush and end the process with exit code 3).
    void FehlerTerminate(const std::string& text);
    // Replaces the termination action (tests install one that does not end the process).
    // An empty function restores the default.
    void SetTerminateAction(std::function<void(const std::string&)> action);

    // Throws kis::services::CatalogError with the catalogue text filled from params.
    [[noreturn]] void FehlerRaise(const std::string& text, const std::string& catalogue, int number,
                                  const std::vector<std::string>& params = {});

    // Shows a catalogued message; kind 4 returns 6 (yes) or 7 (no), other kinds 1.
    int ShowMeldung(int kind, int number, const std::string& catalogue,
                    const std::vector<std::string>& params = {});

    // Direct boxes (see the header comment for the answers without a presenter).
    bool JaNeinBox(const std::string& text, bool defaultYes = false);
    void WarnungBox(const std::string& text);
    void HinweisBox(const std::string& text);
    // Shows an error text (used by ORVProgramm().ShowException).
    void FehlerBox(const std::string& text);

    // The presenter is not owned; nullptr removes it.
    void SetPresenter(Presenter* presenter) { presenter_ = presenter; }
    Presenter* GetPresenter() const { return presenter_; }

    // Runs the message pump hook at most once per ms milliseconds (0: every call).
    void ProcessMessages(int ms);
    // Installs the message pump hook; an empty function removes it.
    void SetProcessMessagesHook(std::function<void()> hook);

    // The last registered error ("text: what()"), empty when none or after the reset.
    std::string LastError() const;
    void ResetErrorSpezNoWrite();

    // The folder of the log file "kis.log". Without one: the folder of the suite database
    // (a file one), else the current directory.
    void SetDataDir(const std::filesystem::path& dir);
    std::filesystem::path LogFilePath() const;

    // The events recorded in this process (oldest first; the last 1000).
    std::vector<kis::services::InfoEntry> Entries() const;
    void ClearEntries();

private:
    void Record(kis::services::InfoEntry entry);
    bool Headless() const;
    std::filesystem::path LogDir() const;  // mutex_ held by the caller
    void LogBox(const char* kind, const std::string& text, const std::string& answer);

    mutable std::mutex mutex_;
    std::vector<kis::services::InfoEntry> entries_;
    std::string lastError_;
    std::filesystem::path dataDir_;
    Presenter* presenter_ = nullptr;
    std::function<void(const std::string&)> terminate_;
    std::function<void()> pumpHook_;
    int64_t lastPumpMs_ = -1;
};

// The process-wide information service.
TORVInfo& ORVInfo();

bool ORVJaNeinBox(const std::string& text, bool defaultYes = false);
void ORVWarnungBox(const std::string& text);
void ORVHinweisBox(const std::string& text);
void ORVInfoProcessMessages(int ms);
