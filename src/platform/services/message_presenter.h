#pragma once
// How the information service shows a message box. The UI installs an implementation
// (German buttons "Ja" / "Nein"); without one, or in silent mode, boxes are only logged.
#include <string>

namespace kis::services {

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;

    // An information the user confirms with "OK".
    virtual void Inform(const std::string& text) = 0;
    // A warning the user confirms with "OK".
    virtual void Warn(const std::string& text) = 0;
    // A yes/no question; defaultYes says which button has the focus. True for "Ja".
    virtual bool AskYesNo(const std::string& text, bool defaultYes) = 0;
    // An error (an exception shown to the user, a fatal end); a warning unless overridden.
    virtual void ShowError(const std::string& text) { Warn(text); }
};

}  // namespace kis::services
