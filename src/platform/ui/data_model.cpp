#include "platform/ui/data_model.h"

#include <QDate>
#include <exception>

#include "platform/services/orv_info.h"
#include "platform/ui/german_format.h"

namespace {


}  // namespace

TORVDataModel::TORVDataModel(QObject* parent) : QAbstractTableModel(parent) {}

int TORVDataModel::AddColumn(const TORVColumn& column) {
    beginResetModel();
    columns_.push_back(column);
    for (QVariantList& row : rows_) row.append(QVariant());
    endResetModel();
    return ColumnCount() - 1;
}

int TORVDataModel::ColumnIndex(const QString& name) const {
    for (int i = 0; i < ColumnCount(); ++i)
        if (columns_[size_t(i)].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

const TORVColumn& TORVDataModel::Column(int index) const {
    static const TORVColumn kNone;
    return index >= 0 && index < ColumnCount() ? columns_[size_t(index)] : kNone;
}

void TORVDataModel::SetColumnVisible(int index, bool visible) {
    if (index < 0 || index >= ColumnCount()) return;
    columns_[size_t(index)].visible = visible;
    emit headerDataChanged(Qt::Horizontal, index, index);
}

void TORVDataModel::SetColumnWidth(int index, int width) {
    if (index < 0 || index >= ColumnCount()) return;
    columns_[size_t(index)].width = width;
}

QVariantList TORVDataModel::Normalised(QVariantList row) const {
    // A short or long row from a source must not shift or overrun the columns.
    while (row.size() < ColumnCount()) row.append(QVariant());
    while (row.size() > ColumnCount()) row.removeLast();
    return row;
}

void TORVDataModel::SetSource(std::unique_ptr<TORVRowSource> source, int batchSize) {
    beginResetModel();
    rows_.clear();
    marks_.clear();
    source_ = std::move(source);
    batchSize_ = qMax(1, batchSize);
    endResetModel();
}

void TORVDataModel::SetRows(std::vector<QVariantList> rows) {
    beginResetModel();
    source_.reset();
    rows_.clear();
    rows_.reserve(rows.size());
    for (QVariantList& r : rows) rows_.push_back(Normalised(std::move(r)));
    marks_.assign(rows_.size(), 0);
    endResetModel();
}

void TORVDataModel::AppendRow(const QVariantList& row) {
    const int at = RowCount();
    beginInsertRows(QModelIndex(), at, at);
    rows_.push_back(Normalised(row));
    marks_.push_back(0);
    endInsertRows();
}

void TORVDataModel::Clear() {
    beginResetModel();
    source_.reset();
    rows_.clear();
    marks_.clear();
    endResetModel();
}

bool TORVDataModel::canFetchMore(const QModelIndex& parent) const { return !parent.isValid() && source_; }

void TORVDataModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || !source_) return;
    std::vector<QVariantList> batch;
    try {
        QVariantList row;
        while (int(batch.size()) < batchSize_) {
            row.clear();
            if (!source_->Next(row)) {
                source_.reset();
                break;
            }
            batch.push_back(Normalised(row));
        }
    } catch (const std::exception& e) {
        // A failing cursor ends the list; the rows read so far stay.
        ORVInfo().RegisterException("TORVDataModel.fetchMore", e);
        source_.reset();
    }
    if (batch.empty()) return;
    const int first = RowCount();
    beginInsertRows(QModelIndex(), first, first + int(batch.size()) - 1);
    for (QVariantList& r : batch) rows_.push_back(std::move(r));
    marks_.resize(rows_.size(), 0);
    endInsertRows();
}

void TORVDataModel::FetchAll() {
    while (source_) fetchMore(QModelIndex());
}

QVariant TORVDataModel::Value(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return {};
    return rows_[size_t(row)][column];
}

void TORVDataModel::SetValue(int row, int column, const QVariant& value) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return;
    rows_[size_t(row)][column] = value;
    emit dataChanged(index(row, column), index(row, column));
}

QString TORVDataModel::DefaultFormat(const QVariant& value) {
    if (value.isNull() || !value.isValid()) return {};
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float: return kis::ui::FormatAmount(value.toDouble());
        case QMetaType::QDate: return kis::ui::FormatDate(value.toDate());
        case QMetaType::QDateTime: return kis::ui::FormatDate(value.toDateTime().date());
        default: return value.toString();
    }
}

QString TORVDataModel::DisplayText(int row, int column) const {
    const QVariant v = Value(row, column);
    const auto& format = Column(column).format;
    return format ? format(v) : DefaultFormat(v);
}

void TORVDataModel::SetMarkable(bool on) {
    markable_ = on;
    if (RowCount() > 0) emit dataChanged(index(0, 0), index(RowCount() - 1, 0), {Qt::CheckStateRole});
}

bool TORVDataModel::IsMarked(int row) const {
    return row >= 0 && row < int(marks_.size()) && marks_[size_t(row)];
}

void TORVDataModel::SetMarked(int row, bool on) {
    if (row < 0 || row >= int(marks_.size()) || bool(marks_[size_t(row)]) == on) return;
    marks_[size_t(row)] = on ? 1 : 0;
    emit dataChanged(index(row, 0), index(row, 0), {Qt::CheckStateRole});
    emit MarksChanged();
}

void TORVDataModel::MarkAll(bool on) {
    FetchAll();  // "all" means all rows, not only those scrolled into view
    std::fill(marks_.begin(), marks_.end(), on ? 1 : 0);
    if (RowCount() > 0) emit dataChanged(index(0, 0), index(RowCount() - 1, 0), {Qt::CheckStateRole});
    emit MarksChanged();
}

void TORVDataModel::InvertMarks() {
    FetchAll();
    for (char& m : marks_) m = m ? 0 : 1;
    if (RowCount() > 0) emit dataChanged(index(0, 0), index(RowCount() - 1, 0), {Qt::CheckStateRole});
    emit MarksChanged();
}

std::vector<int> TORVDataModel::MarkedRows() const {
    std::vector<int> out;
    for (size_t i = 0; i < marks_.size(); ++i)
        if (marks_[i]) out.push_back(int(i));
    return out;
}

int TORVDataModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : RowCount(); }

int TORVDataModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount(); }

QVariant TORVDataModel::data(const QModelIndex& idx, int role) const {
    if (!idx.isValid()) return {};
    const int row = idx.row(), col = idx.column();
    switch (role) {
        case Qt::DisplayRole: return DisplayText(row, col);
        case Qt::EditRole:
        case SortRole: return Value(row, col);
        case Qt::TextAlignmentRole: {
            Qt::Alignment a = Column(col).alignment;
            if (!a) a = IsNumericVariant(Value(row, col)) ? Qt::AlignRight : Qt::AlignLeft;
            return QVariant::fromValue(a | Qt::AlignVCenter);
        }
        case Qt::CheckStateRole:
            if (markable_ && col == 0) return IsMarked(row) ? Qt::Checked : Qt::Unchecked;
            return {};
        default: return {};
    }
}

bool TORVDataModel::setData(const QModelIndex& idx, const QVariant& value, int role) {
    if (!idx.isValid() || role != Qt::CheckStateRole || !markable_ || idx.column() != 0) return false;
    SetMarked(idx.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant TORVDataModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return Column(section).caption;
    if (role == Qt::TextAlignmentRole && Column(section).alignment)
        return QVariant::fromValue(Column(section).alignment | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags TORVDataModel::flags(const QModelIndex& idx) const {
    if (!idx.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (markable_ && idx.column() == 0) f |= Qt::ItemIsUserCheckable;
    return f;
}

bool IsNumericVariant(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float: return true;
        default: return false;
    }
}
