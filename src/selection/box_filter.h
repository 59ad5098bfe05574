#pragma once
// Reads one selection box into the evaluation filter through its transfer table (the same
// road as F5 in the selection window). Windows that hold boxes of their own, such as the
// bonus programme pages, use it for each box they show.
#include "engine/box_transfer.h"
#include "platform/ui/sel_box.h"

namespace kis::selection {

inline bool BoxInFilter(const TSelBox& box, TMerovaFilter& filter) {
    return kis::selbox::FilterAusBox(box.objectName().toStdString(), box.Werte(), filter);
}

}  // namespace kis::selection
