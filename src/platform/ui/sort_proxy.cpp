#include "platform/ui/sort_proxy.h"

#include <QDate>
#include <QDateTime>

#include "platform/ui/data_model.h"

namespace {

bool IsEmpty(const QVariant& v) {
    return !v.isValid() || v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

}  // namespace

TORVSortProxy::TORVSortProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    collator_.setLocale(QLocale(QLocale::German, QLocale::Germany));
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    collator_.setNumericMode(true);
    setSortRole(TORVDataModel::SortRole);
}

bool TORVSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    if (IsPinned) {
        const bool pl = IsPinned(left.row()), pr = IsPinned(right.row());
        // Descending order swaps the result of lessThan, so a pinned row must then be "greater".
        if (pl != pr) return sortOrder() == Qt::AscendingOrder ? pl : pr;
    }
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    const bool ea = IsEmpty(a), eb = IsEmpty(b);
    if (ea || eb) return ea && !eb;
    if (IsNumericVariant(a) && IsNumericVariant(b)) return a.toDouble() < b.toDouble();
    if (a.typeId() == QMetaType::QDate && b.typeId() == QMetaType::QDate) return a.toDate() < b.toDate();
    if (a.typeId() == QMetaType::QDateTime && b.typeId() == QMetaType::QDateTime)
        return a.toDateTime() < b.toDateTime();
    return collator_.compare(a.toString(), b.toString()) < 0;
}

bool TORVSortProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (RowFilter && !RowFilter(sourceRow)) return false;
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}
