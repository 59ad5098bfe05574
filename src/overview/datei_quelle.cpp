#include "overview/datei_quelle.h"

bool TDateiQuelle::Next(QVariantList& row) {
    bool ok = begonnen_ ? file_->Next() : file_->Get_ge();
    begonnen_ = true;
    while (ok) {
        row.clear();
        if (fill_(*file_, row)) return true;
        ok = file_->Next();
    }
    return false;
}
