#pragma once
// The end of an unattended bonus generation (command-line switch ABG). A scheduler starts the
// program without anybody watching; it must learn how the run went from the exit status, and a
// person reading the log must find one line that says why. Every way the unattended road can
// end (a missing switch, a workstation type that may not generate, an unknown programme, a run
// that fails, a piece not available yet, or success) goes through AbgBeenden once.
#include <QString>

class TDM;

namespace kis::app {

// Exit status of an unattended run.
enum class AbgStatus : int {
    Erfolg = 0,           // evaluation, generation and booking done
    Fehlgeschlagen = 1,   // a step of the run failed or was stopped
    Aufruf = 2,           // the start cannot run: switch missing, workstation type, programme
    NichtVerfuegbar = 4,  // a step the road needs is not available in this version
};

// True when the program has no display (Qt's offscreen or minimal platform): nobody can see
// or answer a window, so waiting would wait forever.
bool OhneAnzeige();

// Reports how the unattended run ended: one line on stderr and in kis.log ("kis -ABG: text").
// Without a display the application then quits with the status as its exit code (also when the
// event loop has not started yet); with a display the main window stays for the operator.
// Only the first call of a process counts.
void AbgBeenden(AbgStatus status, const QString& text);

// Whether AbgBeenden was called in this process, and with which status.
bool AbgBeendet();
AbgStatus AbgLetzterStatus();
// Forgets an earlier end (for tests that start several unattended runs in one process).
void AbgZuruecksetzen();

// Checks what the unattended road needs before it starts: the programme type (PROG=) and name
// (KUND=) are given and the programme has a main record. Empty when all is there, otherwise
// the German text that says what is missing.
QString AbgProgrammPruefen(const QString& bonusTyp, const QString& programmName,
                           const QString& kennung);

}  // namespace kis::app
