#include "app/unattended.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <iostream>
#include <stdexcept>

#include "platform/services/orv_info.h"
#include "platform/bonus/beta_programm.h"

namespace kis::app {

namespace {
bool beendet = false;
AbgStatus letzterStatus = AbgStatus::Erfolg;
}  // namespace

bool OhneAnzeige() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

void AbgBeenden(AbgStatus status, const QString& text) {
    if (beendet) return;
    beendet = true;
    letzterStatus = status;
    const int code = static_cast<int>(status);
    const std::string line = text.toStdString() + " (Status " + std::to_string(code) + ")";
    std::cerr << "kis -ABG: " << line << std::endl;
    // The log tells every end of an unattended run: a failure as a registered error, a
    // success as a message, so that whoever reads the log is not told of an error that was none.
    if (status == AbgStatus::Erfolg)
        ORVInfo().RegisterMeldung("kis -ABG", line);
    else
        ORVInfo().RegisterException("kis -ABG", std::runtime_error(line), 1);
    if (!OhneAnzeige() || !QCoreApplication::instance()) return;
    // Posted, so that it also ends a loop that has not started yet; exit() leaves every
    // nested loop of modal windows too.
    QTimer::singleShot(0, QCoreApplication::instance(), [code] { QCoreApplication::exit(code); });
}

bool AbgBeendet() { return beendet; }
AbgStatus AbgLetzterStatus() { return letzterStatus; }

void AbgZuruecksetzen() {
    beendet = false;
    letzterStatus = AbgStatus::Erfolg;
}

QString AbgProgrammPruefen(const QString& bonusTyp, const QString& programmName,
                           const QString& kennung) {
    if (bonusTyp.trimmed().isEmpty())
        return QStringLiteral("Es wurde kein Bonusprogramm angegeben (Schalter PROG=).");
    if (programmName.trimmed().isEmpty())
        return QStringLiteral("Es wurde kein Programmname angegeben (Schalter KUND=).");
    // The same check as the programme picker: a main record, and rules that still exist.
    const std::string grund = TBetaStore::ProgrammPruefen(kennung.toStdString(), programmName.toStdString());
    if (!grund.empty())
        return QString::fromStdString(grund) + QStringLiteral(" (%1, \"%2\")").arg(bonusTyp, programmName);
    return {};
}

}  // namespace kis::app
