#pragma once
// Table model of the grids. Columns are declared by name (the field name the windows use,
// e.g. "SELUMSATZ") with caption, alignment, visibility and an optional formatter; rows hold
// the raw values. Rows come either all at once (SetRows) or lazily from a row source, a
// cursor over a record file: the view asks canFetchMore/fetchMore as it scrolls, and the
// model reads the next batch. Optional marks (a check box in the first column) serve the
// windows that mark rows with Einfg / F7 / F8.
//
// Roles: DisplayRole gives the formatted text, EditRole and SortRole the raw value.
#include <QAbstractTableModel>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

struct TORVColumn {
    QString name;
    QString caption;
    // Left for text; numbers default to right (see AddColumn).
    Qt::Alignment alignment = {};
    bool visible = true;
    int width = 0;  // 0 = the view's default
    // Display text of a raw value; default: amounts "1.234,56", numbers, dates "dd.MM.yyyy".
    std::function<QString(const QVariant&)> format;
};

// A forward cursor over rows; Next fills one row (values in column order) or returns false at
// the end. A thrown std::exception ends the reading and is registered.
// True for the numeric value types; grids right-align and sort them by value.
bool IsNumericVariant(const QVariant& v);

class TORVRowSource {
public:
    virtual ~TORVRowSource() = default;
    virtual bool Next(QVariantList& row) = 0;
};

class TORVDataModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int SortRole = Qt::UserRole + 10;

    explicit TORVDataModel(QObject* parent = nullptr);

    // Rows loaded already get an empty cell in the new column.
    int AddColumn(const TORVColumn& column);
    int ColumnIndex(const QString& name) const;  // -1 when unknown
    const TORVColumn& Column(int index) const;
    int ColumnCount() const { return int(columns_.size()); }
    void SetColumnVisible(int index, bool visible);
    // Fixed width of a column (0 = fit to the loaded rows); kept when rows are reloaded.
    void SetColumnWidth(int index, int width);

    // Lazy reading from a source; batchSize rows per fetch. Replaces all rows.
    void SetSource(std::unique_ptr<TORVRowSource> source, int batchSize = 256);
    void SetRows(std::vector<QVariantList> rows);
    void AppendRow(const QVariantList& row);
    void Clear();

    int RowCount() const { return int(rows_.size()); }
    bool AtEnd() const { return !source_; }
    // Reads the source to its end (before sorting, counting, exporting).
    void FetchAll();

    QVariant Value(int row, int column) const;
    QVariant Value(int row, const QString& columnName) const { return Value(row, ColumnIndex(columnName)); }
    void SetValue(int row, int column, const QVariant& value);
    QString DisplayText(int row, int column) const;

    // Marks.
    void SetMarkable(bool on);
    bool Markable() const { return markable_; }
    bool IsMarked(int row) const;
    void SetMarked(int row, bool on);
    void MarkAll(bool on = true);
    void InvertMarks();
    std::vector<int> MarkedRows() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    void MarksChanged();

private:
    QVariantList Normalised(QVariantList row) const;
    static QString DefaultFormat(const QVariant& value);

    std::vector<TORVColumn> columns_;
    std::vector<QVariantList> rows_;
    std::vector<char> marks_;
    std::unique_ptr<TORVRowSource> source_;
    int batchSize_ = 256;
    bool markable_ = false;
};
