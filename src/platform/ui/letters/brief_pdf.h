#pragma once
// Letters as one PDF file: a letter text with "#FELD#" placeholders is merged with one
// customer's field values at a time and laid out on A4 pages, each letter starting on a page of
// its own (a letter longer than a page continues on the next). Serial letters and the message
// center write their printed letters through this class.
//
// Use: Beginnen(path), then Brief(...) per customer, then Beenden(). The file is written
// through a save file: it appears only when Beenden succeeds, so a failed or abandoned run never
// leaves a half-written PDF behind (and never replaces an existing file with one).
#include <QHash>
#include <QString>
#include <memory>

class QPainter;
class QPdfWriter;
class QSaveFile;
class QTextDocument;

namespace kis::ui {

// Field name without the '#' -> value, for example {"NAME", "Müller"}.
using BriefFelder = QHash<QString, QString>;

// Replaces every "#NAME#" whose NAME is a key of `felder` by its value. Text between two '#'
// that is not a known field stays as it is (so "Nr. #5" or "#UNBEKANNT#" survive), and an
// inserted value is never searched again for placeholders.
QString FelderEinsetzen(const QString& vorlage, const BriefFelder& felder);

// One letter: an optional address block placed where a window envelope shows it (DIN 5008,
// form B: 45 mm from the top edge), an optional subject in bold, and the text. All plain text.
struct BriefInhalt {
    QString Anschrift;
    QString Betreff;
    QString Text;
};

struct BriefPdfOptionen {
    QString Titel;  // document title in the PDF's properties
    QString Schriftart = QStringLiteral("DejaVu Sans");
    double Schriftgroesse = 11.0;  // points
    // Page margins in millimetres (DIN 5008: 25 left, 20 right).
    double RandLinks = 25.0, RandRechts = 20.0, RandOben = 20.0, RandUnten = 20.0;
};

class BriefPdf {
public:
    explicit BriefPdf(BriefPdfOptionen optionen = {});
    ~BriefPdf();
    BriefPdf(const BriefPdf&) = delete;
    BriefPdf& operator=(const BriefPdf&) = delete;

    // Opens `pfad` for writing; false (with Fehler()) when it cannot be written.
    bool Beginnen(const QString& pfad);
    // Adds one letter on a new page; false when no file is open.
    bool Brief(const BriefInhalt& inhalt);
    bool Brief(const QString& text) { return Brief(BriefInhalt{{}, {}, text}); }
    // Template and fields in one step.
    bool Brief(const QString& vorlage, const BriefFelder& felder) {
        return Brief(FelderEinsetzen(vorlage, felder));
    }
    // Finishes the file. False when nothing was written (no letter: no file is produced) or the
    // file could not be saved.
    bool Beenden();
    // Drops everything written since Beginnen; no file is produced.
    void Abbrechen();

    int Briefe() const { return FBriefe; }
    int Seiten() const { return FSeiten; }
    QString Fehler() const { return FFehler; }

private:
    int Mm(double mm) const;  // millimetres in device units

    BriefPdfOptionen FOpt;
    std::unique_ptr<QSaveFile> FDatei;
    std::unique_ptr<QPdfWriter> FWriter;
    std::unique_ptr<QPainter> FPainter;
    int FBriefe = 0;
    int FSeiten = 0;
    QString FFehler;
};

}  // namespace kis::ui
