#include "platform/ui/letters/brief_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

namespace kis::ui {

namespace {

constexpr int kDpi = 300;
// DIN 5008 form B: the address field lies 45 mm below the top edge and is 45 mm high; the
// subject starts a few millimetres below it.
constexpr double kAnschriftOben = 45.0;
constexpr double kAnschriftHoehe = 45.0;
constexpr double kBetreffOben = 98.5;

// Millimetres as lengths of text formats (96 dpi pixels).
double FormatMm(double mm) { return mm * 96.0 / 25.4; }

}  // namespace

QString FelderEinsetzen(const QString& vorlage, const BriefFelder& felder) {
    QString ergebnis;
    ergebnis.reserve(vorlage.size());
    qsizetype pos = 0;
    while (pos < vorlage.size()) {
        const qsizetype auf = vorlage.indexOf(QLatin1Char('#'), pos);
        if (auf < 0) break;
        const qsizetype zu = vorlage.indexOf(QLatin1Char('#'), auf + 1);
        if (zu < 0) break;
        const QString name = vorlage.mid(auf + 1, zu - auf - 1);
        const auto it = felder.constFind(name);
        if (it != felder.constEnd()) {
            ergebnis += QStringView(vorlage).mid(pos, auf - pos);
            ergebnis += it.value();
            pos = zu + 1;
        } else {
            // Not a field: keep the first '#' and look again from the second one, which may open
            // a real placeholder ("Nr. #5 #NAME#").
            ergebnis += QStringView(vorlage).mid(pos, zu - pos);
            pos = zu;
        }
    }
    ergebnis += QStringView(vorlage).mid(pos);
    return ergebnis;
}

BriefPdf::BriefPdf(BriefPdfOptionen optionen) : FOpt(std::move(optionen)) {}

BriefPdf::~BriefPdf() { Abbrechen(); }

int BriefPdf::Mm(double mm) const { return int(mm * kDpi / 25.4 + 0.5); }

bool BriefPdf::Beginnen(const QString& pfad) {
    Abbrechen();
    FFehler.clear();
    FBriefe = FSeiten = 0;
    FDatei = std::make_unique<QSaveFile>(pfad);
    if (!FDatei->open(QIODevice::WriteOnly)) {
        FFehler = QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                      .arg(pfad, FDatei->errorString());
        FDatei.reset();
        return false;
    }
    FWriter = std::make_unique<QPdfWriter>(FDatei.get());
    FWriter->setResolution(kDpi);
    FWriter->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    FWriter->setTitle(FOpt.Titel);
    FWriter->setCreator(QStringLiteral("KIS"));
    FPainter = std::make_unique<QPainter>();
    if (!FPainter->begin(FWriter.get())) {
        FFehler = QStringLiteral("Die PDF-Datei \"%1\" kann nicht angelegt werden.").arg(pfad);
        Abbrechen();
        return false;
    }
    return true;
}

bool BriefPdf::Brief(const BriefInhalt& inhalt) {
    if (!FPainter || !FPainter->isActive()) return false;
    if (FBriefe > 0 && !FWriter->newPage()) {
        FFehler = QStringLiteral("Neue PDF-Seite konnte nicht angelegt werden.");
        return false;
    }
    const QSizeF seite(FWriter->width(), FWriter->height());
    QFont font(FOpt.Schriftart);
    font.setPointSizeF(FOpt.Schriftgroesse);

    if (!inhalt.Anschrift.isEmpty()) {
        FPainter->setFont(font);
        const QRect feld(Mm(FOpt.RandLinks), Mm(kAnschriftOben),
                         int(seite.width()) - Mm(FOpt.RandLinks) - Mm(FOpt.RandRechts),
                         Mm(kAnschriftHoehe));
        FPainter->drawText(feld, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                           inhalt.Anschrift);
    }

    // The body is one document paginated on whole pages with the margins as root-frame margins,
    // so lines are never cut at a page break. The page size is in device units; lengths in
    // frame and block formats are scaled by the layout from 96 dpi to the device.
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(FWriter.get());
    doc.setDefaultFont(font);
    doc.setPageSize(seite);
    QTextFrameFormat rahmen = doc.rootFrame()->frameFormat();
    rahmen.setLeftMargin(FormatMm(FOpt.RandLinks));
    rahmen.setRightMargin(FormatMm(FOpt.RandRechts));
    rahmen.setTopMargin(FormatMm(FOpt.RandOben));
    rahmen.setBottomMargin(FormatMm(FOpt.RandUnten));
    doc.rootFrame()->setFrameFormat(rahmen);

    QTextCursor cursor(&doc);
    if (!inhalt.Anschrift.isEmpty()) {
        // Room for the address field: an empty first line of fixed height (a top margin of the
        // first block would collapse into the frame's margin).
        QTextBlockFormat abstand;
        abstand.setLineHeight(FormatMm(kBetreffOben - FOpt.RandOben), QTextBlockFormat::FixedHeight);
        cursor.setBlockFormat(abstand);
        cursor.insertBlock(QTextBlockFormat());
    }
    if (!inhalt.Betreff.isEmpty()) {
        QTextCharFormat fett;
        fett.setFontWeight(QFont::Bold);
        cursor.insertText(inhalt.Betreff, fett);
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertBlock();
    }
    cursor.insertText(inhalt.Text, QTextCharFormat());

    const int seiten = doc.pageCount();
    for (int i = 0; i < seiten; ++i) {
        if (i > 0 && !FWriter->newPage()) {
            FFehler = QStringLiteral("Neue PDF-Seite konnte nicht angelegt werden.");
            return false;
        }
        FPainter->save();
        const QRectF ausschnitt(0, i * seite.height(), seite.width(), seite.height());
        FPainter->translate(0, -ausschnitt.top());
        doc.drawContents(FPainter.get(), ausschnitt);
        FPainter->restore();
    }
    FSeiten += seiten;
    ++FBriefe;
    return true;
}

bool BriefPdf::Beenden() {
    if (!FPainter) return false;
    if (FBriefe == 0) {
        FFehler = QStringLiteral("Es wurde kein Brief geschrieben.");
        Abbrechen();
        return false;
    }
    const bool gemalt = FPainter->end();
    FPainter.reset();
    FWriter.reset();
    const bool gespeichert = gemalt && FDatei->commit();
    if (!gespeichert)
        FFehler = QStringLiteral("Die PDF-Datei konnte nicht gespeichert werden: %1")
                      .arg(FDatei->errorString());
    FDatei.reset();
    return gespeichert;
}

void BriefPdf::Abbrechen() {
    if (FPainter && FPainter->isActive()) FPainter->end();
    FPainter.reset();
    FWriter.reset();
    if (FDatei) FDatei->cancelWriting();
    FDatei.reset();
}


}  // namespace kis::ui
