#include "platform/ui/dochost/doc_briefe.h"

namespace kis::dochost {

bool BriefePdfSchreiben(const QString& pfad, const std::vector<TBrief>& briefe, QString& fehler) {
    (void)pfad;
    (void)briefe;
    fehler = QStringLiteral("Der Briefdruck ist noch nicht verfügbar.");
    return false;
}

}  // namespace kis::dochost
