#pragma once
// What a serial letter remembers per program and mask (form store, slot = the mask, index
// "SERBRIEF"): the chosen fields in their order, whether letters are written as PDF, the
// letter template (address block, subject, text) and the two target files.
#include <QString>
#include <QStringList>

namespace kis::ui {

struct SerienbriefVorgaben {
    QStringList Spalten;  // keys of the chosen fields, in the letter's order
    bool MitBriefen = false;
    QString Anschrift;
    QString Betreff;
    QString Text;
    QString DatenDatei;
    QString PdfDatei;
    bool Gespeichert = false;  // read from the store (else: the defaults)

    // The stored choice of (programm, maske), or the defaults: no fields, the standard template,
    // files "Serienbrief_<maske>.csv/.pdf" in the user's documents folder.
    static SerienbriefVorgaben Laden(const QString& programm, const QString& maske);
    // One booking; false when the store refused it.
    bool Speichern(const QString& programm, const QString& maske) const;

    static QString StandardAnschrift();
    static QString StandardText();
};

}  // namespace kis::ui
