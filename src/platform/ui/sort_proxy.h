#pragma once
// Sorting and filtering in front of a grid model: numbers and dates by value, text the
// German way (umlauts, ß, case) through QCollator, empty cells first. Pinned rows (a totals
// row) stay at the top in both directions.
#include <QCollator>
#include <QSortFilterProxyModel>
#include <functional>

class TORVSortProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit TORVSortProxy(QObject* parent = nullptr);

    // Source rows for which this is true sort before all others.
    std::function<bool(int sourceRow)> IsPinned;
    // Source rows for which this is false are hidden; call invalidateFilter() after a change.
    std::function<bool(int sourceRow)> RowFilter;

    void RefreshFilter() { invalidateFilter(); }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QCollator collator_;
};
