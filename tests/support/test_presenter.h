#pragma once
// A message presenter for tests: answers yes/no questions with a set answer and records every
// box as "kind: text" (kinds "inform", "warn", "ask", "error").
#include <string>
#include <vector>

#include "platform/services/message_presenter.h"

namespace kis::test {

class TestPresenter : public kis::services::MessagePresenter {
public:
    bool antwort = true;
    std::vector<std::string> boxen;

    void Inform(const std::string& t) override { boxen.push_back("inform: " + t); }
    void Warn(const std::string& t) override { boxen.push_back("warn: " + t); }
    bool AskYesNo(const std::string& t, bool) override {
        boxen.push_back("ask: " + t);
        return antwort;
    }
    void ShowError(const std::string& t) override { boxen.push_back("error: " + t); }
};

}  // namespace kis::test
