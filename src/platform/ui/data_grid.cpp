#include "platform/ui/data_grid.h"

#include <QHeaderView>
#include <QKeyEvent>

TORVDataGrid::TORVDataGrid(QWidget* parent) : QTableView(parent), proxy_(new TORVSortProxy(this)) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, &TORVDataGrid::OnSortIndicator);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RowActivated(proxy_->mapToSource(index).row()); });
    QTableView::setModel(proxy_);
}

void TORVDataGrid::SetDataModel(TORVDataModel* model) {
    disconnect(currentConn_);
    disconnect(resetConn_);
    model_ = model;
    proxy_->setSourceModel(model);
    if (model) {
        currentConn_ = connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) {
                    emit CurrentRowChanged(current.isValid() ? proxy_->mapToSource(current).row() : -1);
                });
        resetConn_ = connect(model, &QAbstractItemModel::modelReset, this, &TORVDataGrid::ApplyColumnLayout);
    }
    ApplyColumnLayout();
}

void TORVDataGrid::ApplyColumnLayout() {
    if (!model_) return;
    for (int c = 0; c < model_->ColumnCount(); ++c) {
        const TORVColumn& col = model_->Column(c);
        setColumnHidden(c, !col.visible || col.width < 0);
        if (col.width > 0) setColumnWidth(c, col.width);
        else if (!isColumnHidden(c)) resizeColumnToContents(c);  // looks at the loaded rows only
    }
}

void TORVDataGrid::OnSortIndicator(int section, Qt::SortOrder order) {
    if (!model_ || section < 0) return;
    model_->FetchAll();
    const int current = CurrentRow();
    proxy_->sort(section, order);
    if (current >= 0) SelectRow(current);  // the cursor stays on its customer
}

int TORVDataGrid::CurrentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? proxy_->mapToSource(current).row() : -1;
}

int TORVDataGrid::SourceRowAt(int viewRow) const {
    const QModelIndex i = proxy_->index(viewRow, 0);
    return i.isValid() ? proxy_->mapToSource(i).row() : -1;
}

bool TORVDataGrid::SelectRow(int sourceRow) {
    if (!model_ || sourceRow < 0) return false;
    while (sourceRow >= model_->RowCount() && model_->canFetchMore(QModelIndex())) model_->fetchMore(QModelIndex());
    if (sourceRow >= model_->RowCount()) return false;
    const QModelIndex viewIndex = proxy_->mapFromSource(model_->index(sourceRow, 0));
    if (!viewIndex.isValid()) return false;  // filtered out
    int column = 0;
    while (column < model_->ColumnCount() && isColumnHidden(column)) ++column;
    const QModelIndex target = proxy_->index(viewIndex.row(), column < model_->ColumnCount() ? column : 0);
    setCurrentIndex(target);
    selectRow(viewIndex.row());
    scrollTo(target);
    return true;
}

void TORVDataGrid::SetColumnVisible(const QString& name, bool visible, int width) {
    if (!model_) return;
    const int c = model_->ColumnIndex(name);
    if (c < 0) return;
    model_->SetColumnVisible(c, visible);
    setColumnHidden(c, !visible);
    if (visible && width > 0) {
        model_->SetColumnWidth(c, width);  // a reload keeps the width
        setColumnWidth(c, width);
    }
}

bool TORVDataGrid::IsColumnVisible(const QString& name) const {
    const int c = model_ ? model_->ColumnIndex(name) : -1;
    return c >= 0 && !isColumnHidden(c);
}

int TORVDataGrid::ColumnWidth(const QString& name) const {
    const int c = model_ ? model_->ColumnIndex(name) : -1;
    return c < 0 || isColumnHidden(c) ? 0 : columnWidth(c);
}

void TORVDataGrid::SortByColumn(const QString& name, Qt::SortOrder order) {
    const int c = model_ ? model_->ColumnIndex(name) : -1;
    if (c < 0) return;
    // Setting the indicator runs OnSortIndicator; set it twice-safe by sorting explicitly too.
    const QSignalBlocker block(horizontalHeader());
    horizontalHeader()->setSortIndicator(c, order);
    OnSortIndicator(c, order);
}

void TORVDataGrid::keyPressEvent(QKeyEvent* event) {
    const int row = CurrentRow();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && row >= 0) {
        emit RowActivated(row);
        return;
    }
    if (model_ && model_->Markable() && event->modifiers() == Qt::NoModifier) {
        if (event->key() == Qt::Key_Insert && row >= 0) {
            model_->SetMarked(row, !model_->IsMarked(row));
            const int next = SourceRowAt(currentIndex().row() + 1);
            if (next >= 0) SelectRow(next);
            return;
        }
        if (event->key() == Qt::Key_F7) { model_->MarkAll(true); return; }
        if (event->key() == Qt::Key_F8) { model_->InvertMarks(); return; }
    }
    QTableView::keyPressEvent(event);
}
