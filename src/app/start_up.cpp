#include "app/start_up.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProgressDialog>
#include <cstdlib>

#include "platform/services/orv_info.h"
#include "platform/store/database.h"

namespace kis::app {

namespace {

// Owns the suite database for the rest of the process.
std::unique_ptr<kis::store::Database>& SuiteHolder() {
    static std::unique_ptr<kis::store::Database> db;
    return db;
}

bool Set(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

QString CreateDemo(const QString& path) {
    const QString tool = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kis-demo"));
    if (!QFileInfo(tool).isExecutable())
        return QStringLiteral("Das Programm kis-demo wurde nicht gefunden (%1).").arg(tool);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(QFileInfo(path).absolutePath());
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(tool, {QStringLiteral("--db=") + path, QStringLiteral("--size=small")});
    QProgressDialog wait(QStringLiteral("Die Demo-Datenbank wird angelegt ..."), QString(), 0, 0);
    wait.setWindowTitle(QStringLiteral("Kundeninformationssystem"));
    wait.setMinimumDuration(0);
    wait.show();
    while (!p.waitForFinished(100)) {
        if (p.state() == QProcess::NotRunning) break;
        QCoreApplication::processEvents();
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("Die Demo-Datenbank konnte nicht angelegt werden:\n") +
               QString::fromLocal8Bit(p.readAll()).trimmed();
    return {};
}

}  // namespace

Arguments ArgumentsOf(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
}

QString DatabasePath(const Arguments& args, const char* envDb, const QString& userDataDir) {
    const std::string db = DatabaseArgument(args);
    if (!db.empty()) return QString::fromStdString(db);
    if (envDb && *envDb) return QString::fromLocal8Bit(envDb);
    return QDir(userDataDir).filePath(QStringLiteral("kis.db"));
}

bool ChooseHeadlessPlatform(const Arguments& args) {
    if (!CheckAutoBGModus(args)) return false;
    if (Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM")) return false;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return true;
}

QString OpenSuiteDatabase(const QString& path, bool interactive) {
    if (!QFileInfo::exists(path)) {
        if (!interactive)
            return QStringLiteral("Die Datenbank %1 ist nicht vorhanden. Im unbeaufsichtigten Betrieb "
                                  "wird keine Demo-Datenbank angelegt; bitte mit --db=PFAD oder KIS_DB "
                                  "eine vorhandene Datenbank angeben.").arg(path);
        if (!ORVJaNeinBox(QStringLiteral("Die Datenbank %1 ist nicht vorhanden.\n\nSoll eine "
                                         "Demo-Datenbank mit Beispieldaten angelegt werden?")
                              .arg(path).toStdString(), true))
            return QStringLiteral("Ohne Datenbank kann das Programm nicht arbeiten.");
        if (QString error = CreateDemo(path); !error.isEmpty()) return error;
    }
    try {
        SuiteHolder() = kis::store::Database::OpenSuite(path.toStdString());
        kis::store::SetSuiteDb(SuiteHolder().get());
        return {};
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

}  // namespace kis::app
