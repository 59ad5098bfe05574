#pragma once
// The data file of a serial letter, as a word processor's mail merge reads it directly:
//   - UTF-8 with a byte-order mark: word processors recognise the encoding by the mark and keep
//     umlauts and "ß" (without it they assume the Windows code page and garble them);
//   - ";" between fields: the German lists' separator, since "," is the decimal comma;
//   - every field in double quotes, quotes inside doubled: amounts such as "-12,50" stay text
//     (never read as numbers or dates), and a ";" inside a name stays inside its field;
//   - a header row of field names made of letters, digits and "_" only (what mail-merge field
//     names allow), lines ending in CR LF.
// Values are trimmed (the amounts' column padding would otherwise appear in the letters) and
// line breaks inside a value become blanks, because mail merge takes one line per record.
//
// The file is written through a save file: it appears only when Beenden succeeds.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QSaveFile;

namespace kis::ui {

class SerienbriefDatei {
public:
    SerienbriefDatei();
    ~SerienbriefDatei();
    SerienbriefDatei(const SerienbriefDatei&) = delete;
    SerienbriefDatei& operator=(const SerienbriefDatei&) = delete;

    // Opens the file and writes the header row (field names as given; see FeldName).
    bool Beginnen(const QString& pfad, const QStringList& feldNamen);
    bool Zeile(const QStringList& werte);
    // Saves the file; false when it could not be written.
    bool Beenden();
    void Abbrechen();

    int Zeilen() const { return FZeilen; }
    QString Fehler() const { return FFehler; }

    // A mail-merge field name for a column key: letters, digits and "_" ("A-GUTSCHEI" ->
    // "A_GUTSCHEI"); umlauts are written out ("Straße" -> "Strasse").
    static QString FeldName(const QString& key);
    // One record line with its CR LF, as UTF-8.
    static QByteArray Datensatz(const QStringList& werte);
    // The byte-order mark the file starts with.
    static QByteArray Bom() { return QByteArray("\xEF\xBB\xBF"); }

private:
    bool Schreiben(const QByteArray& bytes);

    std::unique_ptr<QSaveFile> FDatei;
    int FZeilen = 0;
    QString FFehler;
};

}  // namespace kis::ui
