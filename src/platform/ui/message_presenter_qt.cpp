#include "platform/ui/message_presenter_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget* BoxParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

void ShowOk(QMessageBox::Icon icon, const QString& title, const std::string& text) {
    QMessageBox box(icon, title, QString::fromStdString(text), QMessageBox::NoButton, BoxParent());
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

}  // namespace

TQtMessagePresenter::TQtMessagePresenter(const QString& title) : title_(title) {}

QString TQtMessagePresenter::Title(const char* kind) const {
    return title_.isEmpty() ? QString::fromUtf8(kind) : title_;
}

void TQtMessagePresenter::Inform(const std::string& text) {
    ShowOk(QMessageBox::Information, Title("Hinweis"), text);
}

void TQtMessagePresenter::Warn(const std::string& text) {
    ShowOk(QMessageBox::Warning, Title("Warnung"), text);
}

void TQtMessagePresenter::ShowError(const std::string& text) {
    ShowOk(QMessageBox::Critical, Title("Fehler"), text);
}

bool TQtMessagePresenter::AskYesNo(const std::string& text, bool defaultYes) {
    QMessageBox box(QMessageBox::Question, Title("Frage"), QString::fromStdString(text),
                    QMessageBox::NoButton, BoxParent());
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(defaultYes ? yes : no);
    box.setEscapeButton(no);  // closing the box is never a "yes"
    box.exec();
    return box.clickedButton() == yes;
}

int kis::ui::AskYesNoCancel(const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Frage"), text, QMessageBox::NoButton,
                    parent ? parent : BoxParent());
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return 6;
    if (box.clickedButton() == no) return 7;
    return 2;
}
