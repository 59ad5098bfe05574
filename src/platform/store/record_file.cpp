#include "platform/store/record_file.h"

#include "platform/base/german_collation.h"
#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"
#include "platform/store/store_error.h"
#include "platform/store/work_files.h"

namespace kis::store {

namespace {

struct BindArg {
    int kind;  // 0 integer, 1 real, 2 text
    int64_t i = 0;
    double d = 0;
    std::string s;
};

std::string ColumnList(const std::vector<std::string>& cols) {
    std::string out;
    for (const auto& c : cols) out += (out.empty() ? "" : ", ") + c;
    return out;
}


}  // namespace

// ---------------------------------------------------------------- TDatenfeld

TDatenfeld::TDatenfeld(TQEL_DBFile& file, const FieldDef& def, int firstColumn)
    : file_(file), def_(def), col_(firstColumn) {}

std::string TDatenfeld::AsString() const {
    const auto& c = file_.cells_[size_t(col_)];
    switch (def_.type) {
        case FieldType::Str: case FieldType::Blob: return c.s;
        case FieldType::Pair: return AsPair().ToString();
        case FieldType::Trio: return AsTrio().ToString();
        case FieldType::Float: case FieldType::Date: return std::to_string(c.d);
        default: return std::to_string(c.i);
    }
}

int32_t TDatenfeld::AsInt() const {
    const auto& c = file_.cells_[size_t(col_)];
    switch (def_.type) {
        case FieldType::Float: case FieldType::Date: return int32_t(c.d);
        case FieldType::Str: case FieldType::Blob: return std::atoi(c.s.c_str());
        default: return int32_t(c.i);
    }
}

double TDatenfeld::AsFloat() const {
    const auto& c = file_.cells_[size_t(col_)];
    switch (def_.type) {
        case FieldType::Float: case FieldType::Date: return c.d;
        case FieldType::Str: case FieldType::Blob: return std::atof(c.s.c_str());
        default: return double(c.i);
    }
}

TIntPair TDatenfeld::AsPair() const {
    if (def_.type != FieldType::Pair && def_.type != FieldType::Trio) return {AsInt(), 0};
    return {int32_t(file_.cells_[size_t(col_)].i), int32_t(file_.cells_[size_t(col_) + 1].i)};
}

TInt32Trio TDatenfeld::AsTrio() const {
    if (def_.type != FieldType::Trio) {
        const TIntPair p = AsPair();
        return {p.Lnr, p.Rnr, 0};
    }
    const auto* c = &file_.cells_[size_t(col_)];
    return {int32_t(c[0].i), int32_t(c[1].i), int32_t(c[2].i)};
}

void TDatenfeld::SetWert(const FieldValue& v) {
    auto* c = &file_.cells_[size_t(col_)];
    for (int k = 0; k < ColumnCount(def_.type); ++k) file_.known_[size_t(col_ + k)] = true;
    switch (def_.type) {
        case FieldType::Str: case FieldType::Blob:
            c->s = v.isText ? v.s : (v.isReal ? std::to_string(v.d) : std::to_string(v.n[0]));
            break;
        case FieldType::Float: case FieldType::Date:
            c->d = v.isText ? std::atof(v.s.c_str()) : v.isReal ? v.d : double(v.n[0]);
            break;
        case FieldType::Int: case FieldType::Bool:
            c->i = v.isText ? std::atoll(v.s.c_str()) : v.isReal ? int64_t(v.d) : v.n[0];
            if (def_.type == FieldType::Bool) c->i = c->i != 0;
            break;
        case FieldType::Pair: case FieldType::Trio: {
            FieldValue parsed = v;
            if (v.isText) {
                TInt32Trio t;
                TInt32Trio::FromString(v.s, t);
                parsed = FieldValue(t);
            }
            for (int k = 0; k < ColumnCount(def_.type); ++k) c[k].i = parsed.n[k];
            break;
        }
    }
}

void TDatenfeld::SetFilterMin(const FieldValue& v) { filter_.min = v; }
void TDatenfeld::SetFilterMax(const FieldValue& v) { filter_.max = v; }
void TDatenfeld::SetFilterMinMax(const FieldValue& min, const FieldValue& max) {
    filter_.min = min;
    filter_.max = max;
}
void TDatenfeld::SetFilter(const std::string& text) { filter_.text = text; }
void TDatenfeld::SetFilterCaseInsensitive(bool on) { filter_.caseInsensitive = on; }
void TDatenfeld::SetFilterWildcards(bool on) { filter_.wildcards = on; }
void TDatenfeld::FilterEinzelwertAdd(const FieldValue& v) { filter_.values.push_back(v); }
void TDatenfeld::ClearFilter() { filter_ = Filter{}; }
bool TDatenfeld::HasFilter() const {
    return filter_.min || filter_.max || filter_.text || !filter_.values.empty();
}
void TDatenfeld::SetKeyWert(const FieldValue& v) { key_ = v; }
void TDatenfeld::SetKeyWertAndFilter(const FieldValue& v) {
    key_ = v;
    filter_.min = v;
    filter_.max = v;
}

// ---------------------------------------------------------------- TQEL_DBFile

TQEL_DBFile::TQEL_DBFile(const std::string& tableName)
    : table_([&]() -> const TableDef& {
          const TableDef* t = FindTable(tableName);
          if (!t) throw StoreError("Unbekannte Datei \"" + tableName + "\".");
          return *t;
      }()) {
    int col = 0;
    for (const auto& f : table_.fields) {
        fields_.push_back(std::make_unique<TDatenfeld>(*this, f, col));
        byName_[f.name] = fields_.back().get();
        for (const auto& c : ColumnsOf(f)) {
            columns_.push_back(c);
            columnTypes_.push_back(f.type);
        }
        col += ColumnCount(f.type);
    }
    cells_.resize(columns_.size());
    known_.assign(columns_.size(), true);
    fileName_ = table_.name;
    if (!table_.indexes.empty()) index_ = &table_.indexes.front();
}

TQEL_DBFile::~TQEL_DBFile() {
    try {
        Close();
    } catch (const std::exception& e) {
        // A destructor must not throw; the uncommitted batch of a work file is lost.
        ReportError("TQEL_DBFile.Close", e);
    } catch (...) {
    }
}

void TQEL_DBFile::SetFileName(const std::string& name) {
    Close();
    fileName_ = name;
    workFile_ = false;
}

void TQEL_DBFile::SetFileNameRel(const std::string& relativeName) {
    Close();
    fileName_ = relativeName;
    workFile_ = true;
}

void TQEL_DBFile::OpenNew(int) {
    Close();
    if (workFile_) {
        workDb_ = WorkFileConnection(fileName_, true);
        db_ = workDb_.get();
        // Another object may hold the same file open; emptying keeps its connection valid.
        db_->Exec("DELETE FROM " + table_.name);
    } else {
        db_ = &SuiteDb();
    }
    if (manualCommit_ && !db_->InTransaction()) db_->Begin();
}

void TQEL_DBFile::OpenOut() {
    Close();
    if (workFile_) {
        workDb_ = WorkFileConnection(fileName_, false);
        db_ = workDb_.get();
    } else {
        db_ = &SuiteDb();
    }
    if (manualCommit_ && !db_->InTransaction()) db_->Begin();
}

void TQEL_DBFile::Close() {
    ResultClear();
    insert_ = nullptr;
    statements_.clear();
    if (db_ && workFile_ && db_->InTransaction()) db_->Commit();
    db_ = nullptr;
    workDb_.reset();
}

void TQEL_DBFile::ManualCommit_Set(bool on) {
    manualCommit_ = on;
    if (db_ && workFile_ && on && !db_->InTransaction()) db_->Begin();
}

void TQEL_DBFile::Commit() {
    RequireOpen();
    if (!workFile_) return;  // suite data is committed by its booking
    if (db_->InTransaction()) {
        ResultClear();
        db_->Commit();
    }
    if (manualCommit_) db_->Begin();
}

TDatenfeld& TQEL_DBFile::Feld(const std::string& name) {
    auto it = byName_.find(name);
    if (it == byName_.end())
        throw StoreError("Die Datei " + table_.name + " hat kein Feld \"" + name + "\".");
    return *it->second;
}

TDatenfeld* TQEL_DBFile::FindFeld(const std::string& name) {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void TQEL_DBFile::ClearRecord() {
    for (auto& c : cells_) {
        c.i = 0;
        c.d = 0;
        c.s.clear();
    }
    known_.assign(known_.size(), true);
    rowid_ = 0;
}

void TQEL_DBFile::ClearKeysAndFilters() {
    for (auto& f : fields_) {
        f->ClearFilter();
        f->ClearKey();
    }
    maxReceive_ = 2147483647;
    usedFields_.clear();
}

void TQEL_DBFile::SelectIndex(const std::string& indexName) {
    const IndexDef* idx = table_.Index(indexName);
    if (!idx) throw StoreError("Die Datei " + table_.name + " hat keinen Index \"" + indexName + "\".");
    index_ = idx;
}

void TQEL_DBFile::SetUsedField(const std::vector<std::string>& fieldNames) {
    for (const auto& n : fieldNames) Feld(n);  // validates
    usedFields_ = fieldNames;
}

Database& TQEL_DBFile::Db() const {
    RequireOpen();
    return *db_;
}

void TQEL_DBFile::RequireOpen() const {
    if (!db_) throw StoreError("Die Datei " + fileName_ + " ist nicht geöffnet.");
}

void TQEL_DBFile::RequireWritable() const {
    RequireOpen();
    if (!workFile_ && !db_->InTransaction())
        throw StoreError("Änderung an " + table_.name + " außerhalb einer Buchung.");
}

Statement& TQEL_DBFile::Prepared(const std::string& sql) {
    auto it = statements_.find(sql);
    if (it == statements_.end())
        it = statements_.emplace(sql, std::make_unique<Statement>(*db_, sql)).first;
    else
        it->second->Reset();
    return *it->second;
}

void TQEL_DBFile::AppendFilters(std::string& where,
                                FilterBinds& binds) const {
    for (const auto& fp : fields_) {
        const TDatenfeld& f = *fp;
        const auto& flt = f.filter_;
        if (!f.HasFilter()) continue;
        const auto cols = ColumnsOf(f.def_);
        const bool multi = cols.size() > 1;
        const std::string tuple = multi ? "(" + ColumnList(cols) + ")" : cols[0];
        std::string params = "?";
        for (size_t k = 1; k < cols.size(); ++k) params += ", ?";
        if (multi) params = "(" + params + ")";
        const bool isText = f.def_.type == FieldType::Str || f.def_.type == FieldType::Blob;
        const std::string lhs = isText && flt.caseInsensitive ? sql::Fold(cols[0]) : tuple;
        auto add = [&](const std::string& cond) { where += (where.empty() ? " WHERE " : " AND ") + cond; };
        if (flt.min) { add(lhs + " >= " + params); binds.push_back({&f, 0}); }
        if (flt.max) { add(lhs + " <= " + params); binds.push_back({&f, 1}); }
        if (flt.text) {
            add(flt.wildcards || flt.text->find_first_of("*?[") != std::string::npos
                    ? sql::Matches(lhs) : lhs + " = ?");
            binds.push_back({&f, 2});
        }
        if (!flt.values.empty()) {
            std::string cond;
            for (size_t k = 0; k < flt.values.size(); ++k) {
                cond += (k ? " OR " : "") + lhs + " = " + params;
                binds.push_back({&f, 3 + int(k)});
            }
            add("(" + cond + ")");
        }
    }
}

void TQEL_DBFile::BindValue(Statement& st, int& idx, FieldType type, const FieldValue& v,
                            int part) const {
    switch (type) {
        case FieldType::Str: case FieldType::Blob:
            st.Bind(idx++, v.isText ? v.s : std::to_string(v.n[0]));
            break;
        case FieldType::Float: case FieldType::Date:
            st.Bind(idx++, v.isText ? std::atof(v.s.c_str()) : v.isReal ? v.d : double(v.n[0]));
            break;
        case FieldType::Int: case FieldType::Bool:
            st.Bind(idx++, int64_t(v.isReal ? int64_t(v.d) : v.isText ? int64_t(std::atoll(v.s.c_str())) : v.n[0]));
            break;
        case FieldType::Pair: case FieldType::Trio:
            st.Bind(idx++, v.n[part]);
            break;
    }
}

void TQEL_DBFile::BindFilters(Statement& st, int& idx, const FilterBinds& binds) const {
    for (const auto& [f, what] : binds) {
        const auto& flt = f->filter_;
        const bool fold = flt.caseInsensitive &&
                          (f->def_.type == FieldType::Str || f->def_.type == FieldType::Blob);
        if (what == 2) {
            const bool glob = flt.wildcards || flt.text->find_first_of("*?[") != std::string::npos;
            std::string text = fold ? text::FoldCase(*flt.text) : *flt.text;
            st.Bind(idx++, glob ? sql::MatchPattern(text, flt.wildcards) : text);
            continue;
        }
        const FieldValue& v = what == 0 ? *flt.min : what == 1 ? *flt.max : flt.values[size_t(what - 3)];
        if (fold) {
            st.Bind(idx++, text::FoldCase(v.isText ? v.s : std::to_string(v.n[0])));
            continue;
        }
        for (int k = 0; k < ColumnCount(f->def_.type); ++k) BindValue(st, idx, f->def_.type, v, k);
    }
}

bool TQEL_DBFile::Get_ge() {
    RequireOpen();
    ResultClear();

    // Which columns to fetch.
    fetchedColumns_.clear();
    std::string select = "SELECT " + sql::RowId();
    if (usedFields_.empty()) {
        for (size_t c = 0; c < columns_.size(); ++c) fetchedColumns_.push_back(int(c));
    } else {
        for (const auto& n : usedFields_) {
            const TDatenfeld& f = Feld(n);
            for (int k = 0; k < ColumnCount(f.def_.type); ++k) fetchedColumns_.push_back(f.col_ + k);
        }
    }
    for (int c : fetchedColumns_) select += ", " + columns_[size_t(c)];
    select += " FROM " + table_.name;

    std::string where;
    FilterBinds binds;
    AppendFilters(where, binds);

    // Key condition over the leading index fields that carry a key value.
    std::vector<const TDatenfeld*> keyFields;
    std::string order;
    if (index_) {
        for (const auto& fn : index_->fields) {
            const TDatenfeld* f = byName_.at(fn);
            for (const auto& c : ColumnsOf(f->def_)) order += (order.empty() ? "" : ", ") + c;
        }
        for (const auto& fn : index_->fields) {
            const TDatenfeld* f = byName_.at(fn);
            if (!f->key_) break;
            keyFields.push_back(f);
        }
    }
    if (!keyFields.empty()) {
        std::vector<std::string> cols;
        for (const auto* f : keyFields)
            for (const auto& c : ColumnsOf(f->def_)) cols.push_back(c);
        std::string params = "?";
        for (size_t k = 1; k < cols.size(); ++k) params += ", ?";
        const std::string cond = cols.size() > 1 ? "(" + ColumnList(cols) + ") >= (" + params + ")"
                                                 : cols[0] + " >= ?";
        where += (where.empty() ? " WHERE " : " AND ") + cond;
    }
    order = " ORDER BY " + (order.empty() ? sql::RowId() : order + ", " + sql::RowId());
    const std::string sql = select + where + order + " LIMIT ?";

    Statement& st = Prepared(sql);
    int idx = 1;
    BindFilters(st, idx, binds);
    for (const auto* f : keyFields)
        for (int k = 0; k < ColumnCount(f->def_.type); ++k) BindValue(st, idx, f->def_.type, *f->key_, k);
    st.Bind(idx++, int64_t(maxReceive_ > 0 ? maxReceive_ : 2147483647));

    cursor_ = &st;
    return Next();
}

bool TQEL_DBFile::Next() {
    if (!cursor_) {
        current_ = false;
        return false;
    }
    if (!cursor_->Step()) {
        ResultClear();
        return false;
    }
    ReadRow();
    current_ = true;
    return true;
}

void TQEL_DBFile::ReadRow() {
    const bool partial = fetchedColumns_.size() != columns_.size();
    if (partial) {
        // Columns that were not fetched read as empty, and an Update leaves them alone.
        ClearRecord();
        known_.assign(known_.size(), false);
    }
    rowid_ = cursor_->ColumnInt(0);
    int col = 1;
    for (int c : fetchedColumns_) {
        Cell& cell = cells_[size_t(c)];
        switch (columnTypes_[size_t(c)]) {
            case FieldType::Str: case FieldType::Blob: cell.s = cursor_->ColumnText(col); break;
            case FieldType::Float: case FieldType::Date: cell.d = cursor_->ColumnDouble(col); break;
            default: cell.i = cursor_->ColumnInt(col); break;
        }
        if (partial) known_[size_t(c)] = true;
        ++col;
    }
}

void TQEL_DBFile::ResultClear() {
    if (cursor_) cursor_->Reset();
    cursor_ = nullptr;
    current_ = false;
}

int64_t TQEL_DBFile::GetCount() {
    RequireOpen();
    std::string where;
    FilterBinds binds;
    AppendFilters(where, binds);
    Statement& st = Prepared("SELECT COUNT(*) FROM " + table_.name + where);
    int idx = 1;
    BindFilters(st, idx, binds);
    st.Step();
    const int64_t n = st.ColumnInt(0);
    st.Reset();
    return n;
}

void TQEL_DBFile::BindCell(Statement& st, int& idx, size_t c) const {
    const Cell& cell = cells_[c];
    switch (columnTypes_[c]) {
        case FieldType::Str: case FieldType::Blob: st.Bind(idx++, cell.s); break;
        case FieldType::Float: case FieldType::Date: st.Bind(idx++, cell.d); break;
        default: st.Bind(idx++, cell.i); break;
    }
}

void TQEL_DBFile::BindRow(Statement& st, int& idx) const {
    for (size_t c = 0; c < columns_.size(); ++c) BindCell(st, idx, c);
}

void TQEL_DBFile::Insert() {
    RequireWritable();
    // Bulk writers insert millions of rows: the statement is prepared once per open file.
    if (!insert_) {
        std::string params = "?";
        for (size_t k = 1; k < columns_.size(); ++k) params += ", ?";
        insert_ = &Prepared("INSERT INTO " + table_.name + " (" + ColumnList(columns_) +
                            ") VALUES (" + params + ")");
    }
    Statement& st = *insert_;
    st.Reset();
    int idx = 1;
    BindRow(st, idx);
    st.Run();
    rowid_ = db_->LastInsertRowId();
    known_.assign(known_.size(), true);  // the stored record now holds every cell as it is
}

void TQEL_DBFile::Update() {
    RequireWritable();
    if (rowid_ == 0) throw StoreError("Kein aktueller Datensatz in " + table_.name + " zum Ändern.");
    // Only the columns of the current record that were read or set are written: a record read
    // with SetUsedField holds empty cells in its other columns, not the stored values.
    std::string set;
    std::vector<size_t> written;
    for (size_t c = 0; c < columns_.size(); ++c) {
        if (!known_[c]) continue;
        set += (set.empty() ? "" : ", ") + columns_[c] + " = ?";
        written.push_back(c);
    }
    if (written.empty()) return;
    Statement& st = Prepared("UPDATE " + table_.name + " SET " + set + " WHERE " + sql::RowId() + " = ?");
    int idx = 1;
    for (size_t c : written) BindCell(st, idx, c);
    st.Bind(idx, rowid_);
    st.Run();
}

void TQEL_DBFile::Delete() {
    RequireWritable();
    if (rowid_ == 0) throw StoreError("Kein aktueller Datensatz in " + table_.name + " zum Löschen.");
    Statement& st = Prepared("DELETE FROM " + table_.name + " WHERE " + sql::RowId() + " = ?");
    st.Bind(1, rowid_);
    st.Run();
    rowid_ = 0;
}

void TQEL_DBFile::StartStreamBuchung() {
    RequireOpen();
    if (!db_->InTransaction()) {
        db_->Begin();
        streamTransaction_ = true;
    }
}

void TQEL_DBFile::EndStreamBuchung() {
    if (streamTransaction_ && db_ && db_->InTransaction()) db_->Commit();
    streamTransaction_ = false;
}

}  // namespace kis::store
