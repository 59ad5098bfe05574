#pragma once
// The message center's letters, written one by one as they are produced into one PDF through
// the shared letter writer (one letter per page), so a long list never sits in memory. The file
// appears only when Beenden succeeds.
#include <QString>
#include <memory>

#include "platform/ui/dochost/doc_erzeugung.h"

namespace kis::ui {
class BriefPdf;
}

namespace kis::dochost {

class TBriefeDatei {
public:
    TBriefeDatei();
    ~TBriefeDatei();
    TBriefeDatei(const TBriefeDatei&) = delete;
    TBriefeDatei& operator=(const TBriefeDatei&) = delete;

    // The first letter opens the file.
    bool Brief(const QString& pfad, const TBrief& brief);
    // Finishes the file; true also when there was no letter (and no file).
    bool Beenden();
    int Briefe() const { return FBriefe; }
    QString Fehler() const { return FFehler; }

private:
    std::unique_ptr<kis::ui::BriefPdf> FPdf;
    int FBriefe = 0;
    bool FFehlgeschlagen = false;
    QString FFehler;
};

}  // namespace kis::dochost
