#pragma once
// The message center's letters as one PDF, one letter per page, through the suite's letter
// writer.
#include <QString>
#include <vector>

#include "platform/ui/dochost/doc_erzeugung.h"

namespace kis::dochost {

bool BriefePdfSchreiben(const QString& pfad, const std::vector<TBrief>& briefe, QString& fehler);

}  // namespace kis::dochost
