#include "platform/services/orv_info.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/services/catalog.h"
#include "platform/services/orv_program.h"
#include "platform/store/database.h"
#include "platform/store/store_error.h"

using kis::services::InfoEntry;

namespace {

constexpr const char* kLogFileName = "kis.log";
// Entries kept in memory; the log file keeps all.
constexpr size_t kMaxEntries = 1000;

// "dd.mm.yyyy hh:mm:ss.zzz"
std::string TimeText(TDateTime t) {
    int y, m, d;
    kis::date::DecodeDate(t, y, m, d);
    const double dayMs = std::round((t - std::floor(t)) * 86400000.0);
    const long ms = std::min(long(dayMs), 86399999L);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %02ld:%02ld:%02ld.%03ld", d, m, y, ms / 3600000,
                  ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
    return buf;
}

// One log line holds one event: line breaks become " / ".
std::string OneLine(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\r') continue;
        if (c == '\n') out += " / ";
        else out += c;
    }
    return out;
}

const char* KindText(InfoEntry::Kind kind) {
    switch (kind) {
        case InfoEntry::Kind::Exception: return "Fehler";
        case InfoEntry::Kind::Fatal: return "Abbruch";
        case InfoEntry::Kind::Box: return "Meldung";
    }
    return "";
}

int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// what() of the exception being handled, if there is one of the standard class.
std::string CurrentExceptionText() {
    const std::exception_ptr current = std::current_exception();
    if (!current) return {};
    try {
        std::rethrow_exception(current);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unbekannter Fehler";
    }
}

}  // namespace

void TORVInfo::Record(InfoEntry entry) {
    const std::string line = TimeText(entry.time) + " [" + ORVProgramm().ProzessIdFormated() + "] " +
                             KindText(entry.kind) + " " + OneLine(entry.text) + ": " +
                             OneLine(entry.message) + "\n";
    std::lock_guard lock(mutex_);
    if (entries_.size() >= kMaxEntries) entries_.erase(entries_.begin());
    entries_.push_back(std::move(entry));
    // Logging must never fail the caller: a log file that cannot be written is skipped.
    try {
        std::ofstream out(LogDir() / kLogFileName, std::ios::app | std::ios::binary);
        out << line;
    } catch (...) {
    }
}

void TORVInfo::RegisterException(const std::string& text, const std::exception& e, int flag) {
    InfoEntry entry{InfoEntry::Kind::Exception, kis::date::Now(), text, e.what(), flag};
    {
        std::lock_guard lock(mutex_);
        lastError_ = text + ": " + e.what();
    }
    Record(std::move(entry));
}

void TORVInfo::RegisterMeldung(const std::string& text, const std::string& message) {
    Record({InfoEntry::Kind::Box, kis::date::Now(), text, message, -1});
}

void TORVInfo::FehlerTerminate(const std::string& text) {
    const std::string detail = CurrentExceptionText();
    Record({InfoEntry::Kind::Fatal, kis::date::Now(), text,
            detail.empty() ? "Programmende nach schwerem Fehler" : detail, -1});
    if (!Headless())
        presenter_->ShowError("Schwerer Fehler in " + text + (detail.empty() ? "" : ":\n" + detail) +
                              "\nDas Programm wird beendet.");
    if (terminate_) {
        terminate_(text);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(3);
}

void TORVInfo::SetTerminateAction(std::function<void(const std::string&)> action) {
    terminate_ = std::move(action);
}

void TORVInfo::FehlerRaise(const std::string& text, const std::string& catalogue, int number,
                           const std::vector<std::string>& params) {
    throw kis::services::CatalogError(text, catalogue, number,
                                      kis::services::FormatCatalogText(catalogue, number, params));
}

int TORVInfo::ShowMeldung(int kind, int number, const std::string& catalogue,
                          const std::vector<std::string>& params) {
    const std::string text = kis::services::FormatCatalogText(catalogue, number, params);
    switch (kind) {
        case kis::services::kMeldungJaNein:
            return JaNeinBox(text, false) ? kis::services::kAntwortJa : kis::services::kAntwortNein;
        case kis::services::kMeldungWarnung: WarnungBox(text); break;
        case kis::services::kMeldungFehler: FehlerBox(text); break;
        default: HinweisBox(text); break;
    }
    return kis::services::kAntwortOk;
}

std::filesystem::path TORVInfo::LogDir() const {
    if (!dataDir_.empty()) return dataDir_;
    if (kis::store::HasSuiteDb()) {
        const std::filesystem::path db = kis::store::SuiteDb().Path();
        if (db.has_parent_path() && db != ":memory:") return db.parent_path();
    }
    return std::filesystem::current_path();
}

bool TORVInfo::Headless() const { return presenter_ == nullptr || ORVProgramm().IsSilentMode(); }

void TORVInfo::LogBox(const char* kind, const std::string& text, const std::string& answer) {
    Record({InfoEntry::Kind::Box, kis::date::Now(), kind, text + " -> " + answer, -1});
}

bool TORVInfo::JaNeinBox(const std::string& text, bool defaultYes) {
    if (Headless()) {
        LogBox("Frage", text, defaultYes ? "Ja" : "Nein");
        return defaultYes;
    }
    return presenter_->AskYesNo(text, defaultYes);
}

void TORVInfo::WarnungBox(const std::string& text) {
    if (Headless()) return LogBox("Warnung", text, "OK");
    presenter_->Warn(text);
}

void TORVInfo::HinweisBox(const std::string& text) {
    if (Headless()) return LogBox("Hinweis", text, "OK");
    presenter_->Inform(text);
}

void TORVInfo::FehlerBox(const std::string& text) {
    if (Headless()) return LogBox("Fehler", text, "OK");
    presenter_->ShowError(text);
}

void TORVInfo::ProcessMessages(int ms) {
    if (!pumpHook_) return;
    const int64_t now = SteadyMs();
    if (ms > 0 && lastPumpMs_ >= 0 && now - lastPumpMs_ < ms) return;
    lastPumpMs_ = now;
    pumpHook_();
}

void TORVInfo::SetProcessMessagesHook(std::function<void()> hook) {
    pumpHook_ = std::move(hook);
    lastPumpMs_ = -1;
}

std::string TORVInfo::LastError() const {
    std::lock_guard lock(mutex_);
    return lastError_;
}

void TORVInfo::ResetErrorSpezNoWrite() {
    std::lock_guard lock(mutex_);
    lastError_.clear();
}

void TORVInfo::SetDataDir(const std::filesystem::path& dir) {
    std::lock_guard lock(mutex_);
    dataDir_ = dir;
}

std::filesystem::path TORVInfo::LogFilePath() const {
    std::lock_guard lock(mutex_);
    return std::filesystem::absolute(LogDir() / kLogFileName);
}

std::vector<InfoEntry> TORVInfo::Entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

void TORVInfo::ClearEntries() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

TORVInfo& ORVInfo() {
    static TORVInfo info;
    // Failures the store reports from destructors go into the same error log.
    static const bool storeErrorsLogged = [] {
        kis::store::SetErrorSink([](const std::string& where, const std::exception& e) {
            info.RegisterException(where, e, 0);
        });
        return true;
    }();
    (void)storeErrorsLogged;
    return info;
}

bool ORVJaNeinBox(const std::string& text, bool defaultYes) { return ORVInfo().JaNeinBox(text, defaultYes); }
void ORVWarnungBox(const std::string& text) { ORVInfo().WarnungBox(text); }
void ORVHinweisBox(const std::string& text) { ORVInfo().HinweisBox(text); }
void ORVInfoProcessMessages(int ms) { ORVInfo().ProcessMessages(ms); }
