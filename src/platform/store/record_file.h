#pragma once
// A record file over one table of the suite database or of a work file: typed fields of the
// current record, filters, key values and an index, and a cursor (Get_ge / Next) over one
// ordered statement. Filters and keys become bound parameters; nothing of a value ever becomes
// SQL text.
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"
#include "platform/store/field_value.h"
#include "platform/store/schema.h"
#include "platform/store/statement.h"

namespace kis::store {

class Database;
class TQEL_DBFile;

// One field of a record file: value of the current record, its filter and its key value.
class TDatenfeld {
public:
    TDatenfeld(TQEL_DBFile& file, const FieldDef& def, int firstColumn);

    const std::string& Name() const { return def_.name; }
    FieldType Type() const { return def_.type; }

    // Current record.
    void GetWert(std::string& v) const { v = AsString(); }
    void GetWert(int32_t& v) const { v = AsInt(); }
    void GetWert(bool& v) const { v = AsBool(); }
    void GetWert(double& v) const { v = AsFloat(); }
    void GetWert(long double& v) const { v = AsFloat(); }
    void GetWert(TIntPair& v) const { v = AsPair(); }
    void GetWert(TInt32Trio& v) const { v = AsTrio(); }
    std::string AsString() const;
    int32_t AsInt() const;
    bool AsBool() const { return AsInt() != 0; }
    double AsFloat() const;
    TDateTime AsDate() const { return AsFloat(); }
    TIntPair AsPair() const;
    TInt32Trio AsTrio() const;
    void SetWert(const FieldValue& v);

    // Filters: inclusive bounds, a text pattern, or a list of single values.
    void SetFilterMin(const FieldValue& v);
    void SetFilterMax(const FieldValue& v);
    void SetFilterMinMax(const FieldValue& min, const FieldValue& max);
    void SetFilter(const std::string& text);
    void SetFilterCaseInsensitive(bool on);
    void SetFilterWildcards(bool on);
    void FilterEinzelwertAdd(const FieldValue& v);
    void ClearFilter();
    bool HasFilter() const;

    // Key values for Get_ge; SetKeyWertAndFilter also filters on equality.
    void SetKeyWert(const FieldValue& v);
    void SetKeyWertAndFilter(const FieldValue& v);
    void ClearKey() { key_.reset(); }

private:
    friend class TQEL_DBFile;
    struct Filter {
        std::optional<FieldValue> min, max;
        std::optional<std::string> text;
        bool caseInsensitive = false;
        bool wildcards = false;
        std::vector<FieldValue> values;
    };

    TQEL_DBFile& file_;
    const FieldDef& def_;
    int col_;  // first column of this field in the file's cell array
    Filter filter_;
    std::optional<FieldValue> key_;
};

// A stream over a text-block field of the current record.
class TBlobStream {
public:
    explicit TBlobStream(TDatenfeld& field) : field_(field) {}
    std::string Read() const { return field_.AsString(); }
    void Write(const std::string& text) { field_.SetWert(text); }

private:
    TDatenfeld& field_;
};

class TQEL_DBFile {
public:
    explicit TQEL_DBFile(const std::string& tableName);
    virtual ~TQEL_DBFile();
    TQEL_DBFile(const TQEL_DBFile&) = delete;
    TQEL_DBFile& operator=(const TQEL_DBFile&) = delete;

    // Binding: a suite file by name (the table of this class), a work file by relative name
    // in the work directory (see work_files.h).
    void SetFileName(const std::string& name);
    void SetFileNameRel(const std::string& relativeName);
    const std::string& FileName() const { return fileName_; }

    // OpenNew: suite files open; work files are created empty. OpenOut opens what exists.
    void OpenNew(int mode = -1);
    void OpenOut();
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    // With manual commit, writes of a work file count only after Commit.
    void ManualCommit_Set(bool on);
    void Commit();

    TDatenfeld& Feld(const std::string& name);
    TDatenfeld* FindFeld(const std::string& name);
    const TableDef& Table() const { return table_; }

    // Current record.
    void ClearRecord();
    bool Current() const { return current_; }

    void ClearKeysAndFilters();
    void SelectIndex(const std::string& indexName);
    void ExtendedMaxReceive_Set(int64_t n) { maxReceive_ = n; }
    void SetUsedField(const std::vector<std::string>& fieldNames);
    void ClearUsedFields() { usedFields_.clear(); }
    void LeseVerhalten_SQL_Set(bool) {}

    // Positions on the first record at or after the key values that passes all filters.
    bool Get_ge();
    bool Next();
    void ResultClear();
    int64_t GetCount();

    void Insert();
    void Update();
    void Delete();

    void StartStreamBuchung();
    void EndStreamBuchung();
    TBlobStream CreateBlobStream(const std::string& fieldName) { return TBlobStream(Feld(fieldName)); }

    Database& Db() const;

protected:
    friend class TDatenfeld;
    struct Cell {
        int64_t i = 0;
        double d = 0;
        std::string s;
    };
    std::vector<Cell> cells_;

private:
    Statement& Prepared(const std::string& sql);
    void RequireOpen() const;
    void RequireWritable() const;
    void BindValue(Statement& st, int& idx, FieldType type, const FieldValue& v, int part) const;
    // (field, what): what 0 = min, 1 = max, 2 = text pattern, 3 + k = k-th single value.
    using FilterBinds = std::vector<std::pair<const TDatenfeld*, int>>;
    void AppendFilters(std::string& where, FilterBinds& binds) const;
    void BindFilters(Statement& st, int& idx, const FilterBinds& binds) const;
    void ReadRow();
    void BindRow(Statement& st, int& idx) const;

    const TableDef& table_;
    std::vector<std::unique_ptr<TDatenfeld>> fields_;
    std::unordered_map<std::string, TDatenfeld*> byName_;
    std::vector<std::string> columns_;     // all columns in order
    std::vector<FieldType> columnTypes_;

    std::string fileName_;
    bool workFile_ = false;
    std::shared_ptr<Database> workDb_;
    Database* db_ = nullptr;
    bool manualCommit_ = false;
    bool streamTransaction_ = false;

    const IndexDef* index_ = nullptr;
    int64_t maxReceive_ = 2147483647;
    std::vector<std::string> usedFields_;
    std::vector<int> fetchedColumns_;
    std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;
    Statement* cursor_ = nullptr;
    Statement* insert_ = nullptr;
    int64_t rowid_ = 0;
    bool current_ = false;
};

}  // namespace kis::store
