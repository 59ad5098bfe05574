#include "platform/ui/dochost/doc_briefe.h"

#include "platform/ui/letters/brief_pdf.h"

namespace kis::dochost {

bool BriefePdfSchreiben(const QString& pfad, const std::vector<TBrief>& briefe, QString& fehler) {
    kis::ui::BriefPdfOptionen optionen;
    optionen.Titel = QStringLiteral("Message Center");
    kis::ui::BriefPdf pdf(optionen);
    if (!pdf.Beginnen(pfad)) {
        fehler = pdf.Fehler();
        return false;
    }
    for (const TBrief& b : briefe) {
        if (!pdf.Brief(kis::ui::BriefInhalt{b.Anschrift.join(u'\n'), b.Betreff, b.Text})) {
            fehler = pdf.Fehler();
            pdf.Abbrechen();
            return false;
        }
    }
    if (!pdf.Beenden()) {
        fehler = pdf.Fehler().isEmpty() ? QStringLiteral("Die Briefe wurden nicht geschrieben.") : pdf.Fehler();
        return false;
    }
    return true;
}

}  // namespace kis::dochost
