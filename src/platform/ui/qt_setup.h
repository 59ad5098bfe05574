#pragma once
// Wiring of Qt into the platform at program start: German texts and locale, the message
// presenter and the message pump of the information service.
#include <QString>

class QCoreApplication;

namespace kis::ui {

// Makes German the default locale and loads Qt's own German texts (qtbase_de from Qt's
// translations folder) so that standard dialogs read German. False when the translation file
// is missing (package qt6-translations-l10n); the locale is set in any case.
bool InstallGermanTranslations(QCoreApplication& app);

// Installs the message pump hook of ORVInfoProcessMessages: pending window events run
// (QCoreApplication::processEvents), so a progress dialog repaints and its abort is served.
void InstallMessagePump();
void RemoveMessagePump();

// Installs the Qt message presenter (owned by this module) for the information service;
// RemoveMessagePresenter takes it out again (headless behaviour).
void InstallMessagePresenter(const QString& title = QString());
void RemoveMessagePresenter();

}  // namespace kis::ui
