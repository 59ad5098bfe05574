#include "platform/ui/dochost/doc_briefe.h"

#include "platform/ui/letters/brief_pdf.h"

namespace kis::dochost {

TBriefeDatei::TBriefeDatei() = default;

TBriefeDatei::~TBriefeDatei() {
    if (FPdf) FPdf->Abbrechen();  // never finished: no file
}

bool TBriefeDatei::Brief(const QString& pfad, const TBrief& brief) {
    if (FFehlgeschlagen) return false;
    if (!FPdf) {
        kis::ui::BriefPdfOptionen optionen;
        optionen.Titel = QStringLiteral("Message Center");
        FPdf = std::make_unique<kis::ui::BriefPdf>(optionen);
        if (!FPdf->Beginnen(pfad)) {
            FFehler = FPdf->Fehler();
            FFehlgeschlagen = true;
            return false;
        }
    }
    if (!FPdf->Brief(kis::ui::BriefInhalt{brief.Anschrift.join(u'\n'), brief.Betreff, brief.Text})) {
        FFehler = FPdf->Fehler().isEmpty() ? QStringLiteral("Der Brief wurde nicht geschrieben.") : FPdf->Fehler();
        FFehlgeschlagen = true;
        return false;
    }
    ++FBriefe;
    return true;
}

bool TBriefeDatei::Beenden() {
    if (!FPdf) return !FFehlgeschlagen;
    if (FFehlgeschlagen) {
        FPdf->Abbrechen();
        FPdf.reset();
        return false;
    }
    const bool ok = FPdf->Beenden();
    if (!ok) FFehler = FPdf->Fehler().isEmpty() ? QStringLiteral("Die Briefe wurden nicht geschrieben.") : FPdf->Fehler();
    FPdf.reset();
    return ok;
}

}  // namespace kis::dochost
