#pragma once
// Serial letter: offers the caller's columns beside the customer's address fields, remembers the
// chosen columns per program and mask, walks the caller's customers and writes a mail-merge data
// file and, when the user picks a letter template, the merged letters as one PDF.
//
// The caller drives it in this order: Clear, AddSpalte (per column), Init, Execute, Done.
// During Execute the object asks the caller for customers through the two callbacks; before it
// returns a customer, the caller fills the values of the chosen columns with SetWert.
#include <functional>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "platform/base/keys.h"

class QWidget;

struct TSerBriefSpalte {
    QString Name;     // key, for example "SELUMS"
    QString Caption;  // what the user sees, for example "Sel. Umsatz"
    int Art = 1;      // the caller's four column settings (kind, alignment, width, format code)
    int Ausrichtung = 4;
    int Breite = 13;
    int Format = 70;
};

class TGPSerBrief {
public:
    // Answers true and the customer's key when there is a customer; false ends the walk.
    using KundeCallback = std::function<bool(TIntPair& kunde)>;

    TGPSerBrief(QWidget* parent, QString programm, QString maske, KundeCallback first,
                KundeCallback next);
    ~TGPSerBrief();
    TGPSerBrief(const TGPSerBrief&) = delete;
    TGPSerBrief& operator=(const TGPSerBrief&) = delete;

    void Clear();  // removes the caller's columns and the values of the current row
    void AddSpalte(const QString& name, const QString& caption, int art, int ausrichtung,
                   int breite, int format);
    const std::vector<TSerBriefSpalte>& Spalten() const { return FSpalten; }

    // The caller's columns the user chose, in the letter's order (valid from Init on).
    QStringList GewaehlteSpalten() const { return FGewaehlt; }
    // Value of one chosen caller column for the customer the callback is about to return.
    void SetWert(const QString& spalte, const QString& wert);

    bool Init();     // shows the dialog; false when the user cancelled
    bool Execute();  // walks the customers and writes the files; false on cancel or failure
    void Done();     // releases what Execute held

    // Unattended use (tools, tests): Init shows no dialog and takes the stored choice of fields
    // and template (every field when none is stored), Execute shows no boxes and writes to
    // these files; with an empty PDF path no letters are written.
    void SetDateien(const QString& datenDatei, const QString& pdfDatei = {});

    // The customer's address fields every letter offers, as (key, caption).
    static const std::vector<std::pair<QString, QString>>& AdressFelder();

    // Outcome of the last Execute: letters written, the files, the reason of a failure.
    int Anzahl() const { return FAnzahl; }
    QString DatenDatei() const { return FDatenDatei; }
    QString PdfDatei() const { return FPdfDatei; }
    QString Fehler() const { return FFehler; }

private:
    std::vector<std::pair<QString, QString>> AngeboteneFelder() const;
    bool Fehlschlag(const QString& text);
    QWidget* FParent;
    QString FProgramm;
    QString FMaske;
    KundeCallback FFirst;
    KundeCallback FNext;
    std::vector<TSerBriefSpalte> FSpalten;
    QStringList FGewaehlt;
    std::vector<std::pair<QString, QString>> FWerte;

    bool FUnbeaufsichtigt = false;
    bool FBereit = false;        // Init succeeded
    bool FBriefeOeffnen = false;  // show the PDF when done
    QStringList FDateiSpalten;   // keys of the data file's fields, in order
    bool FMitBriefen = false;
    QString FAnschrift, FBetreff, FText;
    QString FDatenDatei, FPdfDatei;
    int FAnzahl = 0;
    QString FFehler;
};
