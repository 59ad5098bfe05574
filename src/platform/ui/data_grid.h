#pragma once
// Grid over a TORVDataModel with a sort proxy in between. Columns are addressed by name;
// rows by their source row, so callers never deal with proxy indexes. A click on a header
// sorts; the model is read to its end first, because sorting a part would be wrong.
// Keys: Enter activates the row; in a markable grid Einfg toggles the mark of the current row
// and moves down, F7 marks all, F8 inverts the marks.
#include <QTableView>

#include "platform/ui/data_model.h"
#include "platform/ui/sort_proxy.h"

class TORVDataGrid : public QTableView {
    Q_OBJECT

public:
    explicit TORVDataGrid(QWidget* parent = nullptr);

    // The grid does not own the model.
    void SetDataModel(TORVDataModel* model);
    TORVDataModel* DataModel() const { return model_; }
    TORVSortProxy* Proxy() const { return proxy_; }

    // Current row as a source row; -1 when none.
    int CurrentRow() const;
    // Selects a source row (reading lazily until it is loaded); false when it does not exist.
    bool SelectRow(int sourceRow);
    // Rows in view order (as source rows).
    int VisibleRowCount() const { return proxy_->rowCount(); }
    int SourceRowAt(int viewRow) const;

    void SetColumnVisible(const QString& name, bool visible, int width = -1);
    bool IsColumnVisible(const QString& name) const;
    int ColumnWidth(const QString& name) const;
    void SortByColumn(const QString& name, Qt::SortOrder order = Qt::AscendingOrder);

    // Applies the model's column visibility and widths (after columns changed).
    void ApplyColumnLayout();

signals:
    void CurrentRowChanged(int sourceRow);
    void RowActivated(int sourceRow);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnSortIndicator(int section, Qt::SortOrder order);

    TORVDataModel* model_ = nullptr;
    TORVSortProxy* proxy_;
    QMetaObject::Connection currentConn_, resetConn_;
};
