#pragma once
// Message boxes of the information service on screen: QMessageBox with German buttons
// ("OK", "Ja", "Nein"), parented to the active window so they stay on top of it.
#include <QString>

#include "platform/services/message_presenter.h"

class QWidget;

namespace kis::ui {
// A question with "Ja", "Nein" and "Abbrechen" for the windows that need the third answer
// (the information service knows only yes/no). Returns 6 (yes), 7 (no) or 2 (cancel, also
// for Esc and the close box).
int AskYesNoCancel(const QString& text, QWidget* parent = nullptr);
}  // namespace kis::ui

class TQtMessagePresenter : public kis::services::MessagePresenter {
public:
    // title: the boxes' window title (e.g. "Kundeninformationssystem"); empty = kind of box.
    explicit TQtMessagePresenter(const QString& title = QString());

    void Inform(const std::string& text) override;
    void Warn(const std::string& text) override;
    bool AskYesNo(const std::string& text, bool defaultYes) override;
    void ShowError(const std::string& text) override;

private:
    QString Title(const char* kind) const;

    QString title_;
};
