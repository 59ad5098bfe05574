#include "platform/ui/qt_setup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "platform/services/orv_info.h"
#include "platform/ui/message_presenter_qt.h"

namespace kis::ui {

namespace {
std::unique_ptr<TQtMessagePresenter>& PresenterSlot() {
    static std::unique_ptr<TQtMessagePresenter> presenter;
    return presenter;
}
}  // namespace

bool InstallGermanTranslations(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* translator = new QTranslator(&app);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"), dir)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void InstallMessagePump() {
    ORVInfo().SetProcessMessagesHook([] {
        if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
    });
}

void RemoveMessagePump() { ORVInfo().SetProcessMessagesHook({}); }

void InstallMessagePresenter(const QString& title) {
    auto& slot = PresenterSlot();
    slot = std::make_unique<TQtMessagePresenter>(title);
    ORVInfo().SetPresenter(slot.get());
}

void RemoveMessagePresenter() {
    auto& slot = PresenterSlot();
    if (ORVInfo().GetPresenter() == slot.get()) ORVInfo().SetPresenter(nullptr);
    slot.reset();
}

}  // namespace kis::ui
