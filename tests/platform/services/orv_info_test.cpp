#include "platform/services/orv_info.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "platform/services/catalog_error.h"
#include "platform/store/store_error.h"
#include "services_fixture.h"

using kis::services::CatalogError;
using kis::services::InfoEntry;
using kis::services::testing::RecordingPresenter;
using kis::services::testing::ServicesTest;

namespace {
std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

using InfoTest = ServicesTest;

TEST_F(InfoTest, RegisterExceptionWritesOneLogLineAndKeepsTheEntry) {
    ORVInfo().RegisterException("TDM.GetKundeName", std::runtime_error("Datenbank weg\nzweite Zeile"), 1);
    ORVInfo().RegisterException("TDM.DataModuleDestroy", std::logic_error("Freigabe"), 0);

    const auto entries = ORVInfo().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].kind, InfoEntry::Kind::Exception);
    EXPECT_EQ(entries[0].text, "TDM.GetKundeName");
    EXPECT_EQ(entries[0].message, "Datenbank weg\nzweite Zeile");
    EXPECT_EQ(entries[0].flag, 1);
    EXPECT_EQ(entries[1].flag, 0);
    EXPECT_GT(entries[0].time, 0);

    EXPECT_EQ(ORVInfo().LogFilePath(), std::filesystem::absolute(dir_ / "kis.log"));
    const std::string log = ReadFile(dir_ / "kis.log");
    const std::string first = log.substr(0, log.find('\n'));
    EXPECT_NE(first.find("[" + ORVProgramm().ProzessIdFormated() + "]"), std::string::npos) << first;
    EXPECT_NE(first.find("TDM.GetKundeName: Datenbank weg / zweite Zeile"), std::string::npos) << first;
    EXPECT_NE(log.find("TDM.DataModuleDestroy: Freigabe"), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);

    ORVInfo().ClearEntries();
    EXPECT_TRUE(ORVInfo().Entries().empty());
}

TEST_F(InfoTest, ErrorsTheStoreCannotThrowAreLogged) {
    // A destructor of the store (a booking left by an exception, a work file closed at the
    // end) reports what failed instead of throwing; it must reach the log, not vanish.
    kis::store::ReportError("BookingScope.Abort", kis::store::StoreError("ROLLBACK misslungen"));
    const auto entries = ORVInfo().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, "BookingScope.Abort");
    EXPECT_EQ(entries[0].flag, 0);
    EXPECT_NE(ReadFile(dir_ / "kis.log").find("BookingScope.Abort: ROLLBACK misslungen"),
              std::string::npos);
}

TEST_F(InfoTest, LastErrorUntilReset) {
    EXPECT_EQ(ORVInfo().LastError(), "");
    ORVInfo().RegisterException("TMerovaQuery.ExecuteKI", std::runtime_error("kaputt"));
    EXPECT_EQ(ORVInfo().LastError(), "TMerovaQuery.ExecuteKI: kaputt");
    ORVInfo().ResetErrorSpezNoWrite();
    EXPECT_EQ(ORVInfo().LastError(), "");
    EXPECT_EQ(ORVInfo().Entries().size(), 1u);
}

TEST_F(InfoTest, AnUnwritableLogFolderDoesNotFailTheCaller) {
    ORVInfo().SetDataDir(dir_ / "gibt" / "es" / "nicht");
    EXPECT_NO_THROW(ORVInfo().RegisterException("X.Y", std::runtime_error("z")));
    EXPECT_EQ(ORVInfo().Entries().size(), 1u);
}

TEST_F(InfoTest, FehlerTerminateRegistersTellsTheUserAndRunsTheTerminationAction) {
    RecordingPresenter presenter;
    ORVInfo().SetPresenter(&presenter);
    try {
        throw std::runtime_error("Freigabe misslungen");
    } catch (const std::exception&) {
        ORVInfo().FehlerTerminate("TMerovaFilter.Destroy");
    }
    ASSERT_EQ(terminated_.size(), 1u);
    EXPECT_EQ(terminated_[0], "TMerovaFilter.Destroy");
    const auto entries = ORVInfo().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].kind, InfoEntry::Kind::Fatal);
    EXPECT_EQ(entries[0].message, "Freigabe misslungen");
    ASSERT_EQ(presenter.calls.size(), 1u);
    EXPECT_EQ(presenter.calls[0].kind, "error");
    EXPECT_NE(presenter.calls[0].text.find("TMerovaFilter.Destroy"), std::string::npos);
    EXPECT_NE(presenter.calls[0].text.find("Das Programm wird beendet."), std::string::npos);
    EXPECT_NE(ReadFile(dir_ / "kis.log").find("Abbruch TMerovaFilter.Destroy"), std::string::npos);
}

TEST_F(InfoTest, FehlerTerminateInSilentModeOnlyLogs) {
    RecordingPresenter presenter;
    ORVInfo().SetPresenter(&presenter);
    ORVProgramm().SetSilentMode(true);
    ORVInfo().FehlerTerminate("TDM.DataModuleDestroy");
    EXPECT_TRUE(presenter.calls.empty());
    EXPECT_EQ(terminated_.size(), 1u);
}

TEST(InfoDeathTest, FehlerTerminateEndsTheProcessByDefault) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ORVInfo().SetPresenter(nullptr);
            ORVInfo().SetTerminateAction(nullptr);
            ORVInfo().SetDataDir(std::filesystem::temp_directory_path() / "kis_kein_ordner");  // no log file
            ORVInfo().FehlerTerminate("Test.Ende");
        },
        ::testing::ExitedWithCode(3), "");
}

TEST_F(InfoTest, FehlerRaiseThrowsTheCataloguedError) {
    try {
        ORVInfo().FehlerRaise("TDM.CheckMandant", "STANDARD", 991, {"NORD"});
        FAIL() << "no exception";
    } catch (const CatalogError& e) {
        EXPECT_STREQ(e.what(), "Unbekannter Mandant: NORD");
        EXPECT_EQ(e.Where(), "TDM.CheckMandant");
        EXPECT_EQ(e.Catalogue(), "STANDARD");
        EXPECT_EQ(e.Number(), 991);
    }
    EXPECT_THROW(ORVInfo().FehlerRaise("Tbonusalsverw.FormShow", "STANDARD", 992,
                                       {"Fehler Typ D bei FormShow:", "Aktion nicht definiert"}),
                 std::runtime_error);
}

TEST_F(InfoTest, ShowMeldungWithoutPresenterLogsAndAnswersNo) {
    EXPECT_EQ(ORVInfo().ShowMeldung(4, 1003, "MEROVA"), 7);
    EXPECT_EQ(ORVInfo().ShowMeldung(0, 1004, "MEROVA", {"3"}), 1);
    const auto entries = ORVInfo().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].kind, InfoEntry::Kind::Box);
    EXPECT_EQ(entries[0].text, "Frage");
    EXPECT_EQ(entries[0].message, "Sollen alle selektierten Kunden auf passiv gesetzt werden? -> Nein");
    EXPECT_EQ(entries[1].text, "Hinweis");
    EXPECT_EQ(entries[1].message, "Es wurden 3 Kunden auf passiv gesetzt. -> OK");
    EXPECT_EQ(ORVInfo().LastError(), "") << "a box is no error";
}

TEST_F(InfoTest, ShowMeldungAsksThePresenter) {
    RecordingPresenter presenter;
    ORVInfo().SetPresenter(&presenter);
    presenter.answer = true;
    EXPECT_EQ(ORVInfo().ShowMeldung(4, 1020, "MEROVA"), 6);
    presenter.answer = false;
    EXPECT_EQ(ORVInfo().ShowMeldung(4, 1021, "MEROVA"), 7);
    EXPECT_EQ(ORVInfo().ShowMeldung(0, 997, "STANDARD"), 1);
    EXPECT_EQ(ORVInfo().ShowMeldung(1, 1009, "AUSBEA"), 1);
    ASSERT_EQ(presenter.calls.size(), 4u);
    EXPECT_EQ(presenter.calls[0].kind, "ask");
    EXPECT_FALSE(presenter.calls[0].defaultYes);
    EXPECT_EQ(presenter.calls[0].text, "Soll der gewählte Bonus als verwendet gekennzeichnet werden?");
    EXPECT_EQ(presenter.calls[2].kind, "inform");
    EXPECT_EQ(presenter.calls[2].text, "Export erfolgreich.");
    EXPECT_EQ(presenter.calls[3].kind, "warn");
    EXPECT_TRUE(ORVInfo().Entries().empty());
}

TEST_F(InfoTest, SilentModeAnswersByDefaultWithoutThePresenter) {
    RecordingPresenter presenter;
    presenter.answer = true;
    ORVInfo().SetPresenter(&presenter);
    ORVProgramm().SetSilentMode(true);
    EXPECT_EQ(ORVInfo().ShowMeldung(4, 1008, "MEROVA"), 7);
    EXPECT_TRUE(ORVJaNeinBox("Weiter?", true));
    EXPECT_FALSE(ORVJaNeinBox("Weiter?"));
    ORVHinweisBox("Hinweis");
    ORVWarnungBox("Warnung");
    EXPECT_TRUE(presenter.calls.empty());
    EXPECT_EQ(ORVInfo().Entries().size(), 5u);
}

TEST_F(InfoTest, DirectBoxes) {
    EXPECT_TRUE(ORVJaNeinBox("Frage?", true));
    EXPECT_FALSE(ORVJaNeinBox("Frage?", false));

    RecordingPresenter presenter;
    ORVInfo().SetPresenter(&presenter);
    presenter.answer = false;
    EXPECT_FALSE(ORVJaNeinBox("Wirklich?", true));
    ORVWarnungBox("Achtung");
    ORVHinweisBox("Die Selektion enthält keine Daten.");
    ASSERT_EQ(presenter.calls.size(), 3u);
    EXPECT_TRUE(presenter.calls[0].defaultYes);
    EXPECT_EQ(presenter.calls[1].kind, "warn");
    EXPECT_EQ(presenter.calls[1].text, "Achtung");
    EXPECT_EQ(presenter.calls[2].kind, "inform");
}

TEST_F(InfoTest, ShowExceptionGoesThroughThePresenter) {
    RecordingPresenter presenter;
    ORVInfo().SetPresenter(&presenter);
    ORVProgramm().ShowException(std::runtime_error("Start fehlgeschlagen"));
    ASSERT_EQ(presenter.calls.size(), 1u);
    EXPECT_EQ(presenter.calls[0].kind, "error");
    EXPECT_EQ(presenter.calls[0].text, "Start fehlgeschlagen");
    EXPECT_NE(ORVInfo().LastError().find("Start fehlgeschlagen"), std::string::npos);
}

TEST_F(InfoTest, ProcessMessagesIsThrottled) {
    ORVInfoProcessMessages(0);  // no hook: nothing happens
    int calls = 0;
    ORVInfo().SetProcessMessagesHook([&] { ++calls; });
    for (int i = 0; i < 3; ++i) ORVInfoProcessMessages(0);
    EXPECT_EQ(calls, 3);
    for (int i = 0; i < 3; ++i) ORVInfoProcessMessages(60000);
    EXPECT_EQ(calls, 3) << "the last run was just now";
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    ORVInfoProcessMessages(20);
    EXPECT_EQ(calls, 4);
    ORVInfoProcessMessages(20);
    EXPECT_EQ(calls, 4);
    ORVInfo().SetProcessMessagesHook(nullptr);
    ORVInfoProcessMessages(0);
    EXPECT_EQ(calls, 4);
}

TEST_F(InfoTest, WithoutDataFolderTheLogLiesBesideTheSuiteDatabase) {
    const auto dbDir = dir_ / "daten";
    std::filesystem::create_directories(dbDir);
    auto db = kis::store::Database::CreateSuite((dbDir / "suite.kis").string());
    kis::store::SetSuiteDb(db.get());
    ORVInfo().SetDataDir({});
    EXPECT_EQ(ORVInfo().LogFilePath(), std::filesystem::absolute(dbDir / "kis.log"));
    ORVInfo().RegisterException("X.Y", std::runtime_error("neben der Datenbank"));
    kis::store::SetSuiteDb(nullptr);
    db.reset();
    EXPECT_NE(ReadFile(dbDir / "kis.log").find("X.Y: neben der Datenbank"), std::string::npos);
}
