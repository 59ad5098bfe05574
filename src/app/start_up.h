#pragma once
// Program start: where the suite database lives, what happens when it is missing, and the
// display platform of an unattended run.
#include <QString>

#include "app/command_line.h"

namespace kis::app {

// --db=PATH, else the environment variable KIS_DB, else the per-user data folder
// (".../kis/kis.db"). envDb: value of KIS_DB (nullptr or empty when not set).
QString DatabasePath(const Arguments& args, const char* envDb, const QString& userDataDir);

// In automatic mode without a display (no DISPLAY, no WAYLAND_DISPLAY) and without a chosen
// Qt platform, Qt's offscreen platform is chosen, so a run from a scheduler works. Must run
// before the application object exists. Returns true when it chose offscreen.
bool ChooseHeadlessPlatform(const Arguments& args);

// Opens the suite database as the process's suite database. A missing file is created as the
// demo database after the user agreed (interactive only; kis-demo from the program's folder);
// unattended it is refused. Returns the error text (German), empty on success.
QString OpenSuiteDatabase(const QString& path, bool interactive);

// The program's arguments without the program name.
Arguments ArgumentsOf(int argc, char** argv);

}  // namespace kis::app
