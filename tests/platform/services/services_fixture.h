#pragma once
// Fixtures for the platform service tests: a clean information service that logs into a
// temporary folder, a recording message presenter, and an in-memory suite database.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/services/message_presenter.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/database.h"

namespace kis::services::testing {

// Records every box and answers questions with a preset answer.
class RecordingPresenter : public MessagePresenter {
public:
    struct Call {
        std::string kind;  // "inform", "warn", "ask", "error"
        std::string text;
        bool defaultYes = false;
    };
    bool answer = true;
    std::vector<Call> calls;

    void Inform(const std::string& text) override { calls.push_back({"inform", text}); }
    void Warn(const std::string& text) override { calls.push_back({"warn", text}); }
    bool AskYesNo(const std::string& text, bool defaultYes) override {
        calls.push_back({"ask", text, defaultYes});
        return answer;
    }
    void ShowError(const std::string& text) override { calls.push_back({"error", text}); }
};

// Resets the process-wide services around each test and gives it its own log folder.
class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("kis_services_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::create_directories(dir_);
        ORVInfo().SetDataDir(dir_);
        ORVInfo().SetPresenter(nullptr);
        ORVInfo().SetProcessMessagesHook(nullptr);
        ORVInfo().SetTerminateAction([this](const std::string& text) { terminated_.push_back(text); });
        ORVInfo().ClearEntries();
        ORVInfo().ResetErrorSpezNoWrite();
        ORVProgramm().SetSilentMode(false);
        ORVProgramm().SetAutoRun(false);
        ORVProgramm().SetAktMandant({});
        ORVProgramm().ReloadSettings();
    }

    void TearDown() override {
        ORVInfo().SetPresenter(nullptr);
        ORVInfo().SetProcessMessagesHook(nullptr);
        ORVInfo().SetTerminateAction(nullptr);
        ORVInfo().SetDataDir({});
        ORVInfo().ClearEntries();
        ORVProgramm().SetSilentMode(false);
        ORVProgramm().ReloadSettings();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    std::filesystem::path dir_;
    std::vector<std::string> terminated_;
};

// As ServicesTest, with an empty in-memory suite database as the open suite database.
class SuiteDbTest : public ServicesTest {
protected:
    void SetUp() override {
        ServicesTest::SetUp();
        db_ = store::Database::OpenMemory();
        store::SetSuiteDb(db_.get());
    }

    void TearDown() override {
        store::SetSuiteDb(nullptr);
        db_.reset();
        ServicesTest::TearDown();
    }

    int64_t CountRows(const std::string& sql) {
        store::Statement& st = db_->Cached(sql);
        st.Step();
        const int64_t n = st.ColumnInt(0);
        st.Reset();
        return n;
    }

    std::unique_ptr<store::Database> db_;
};

}  // namespace kis::services::testing
