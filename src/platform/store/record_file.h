#pragma once
// A record file over one table of the suite database or of a work file: typed fields of the
// current record, filters, key values and an index, and a cursor (Get_ge / Next) over one
// ordered statement. Filters and keys become bound parameters; nothing of a value ever becomes
// SQL text.
//
// Contract
// - Binding and opening: SetFileName / SetFileNameRel choose the file and close it; OpenNew
//   or OpenOut must precede every read or write, otherwise StoreError. A record file is used
//   by one thread.
// - The current record is one set of cells. ClearRecord empties every cell. SetWert sets a
//   field's cells. Get_ge and Next overwrite them with the record read; with SetUsedField only
//   the named fields are read and every other field reads as empty (0, "").
// - A cursor is open from a Get_ge that returned true until Next returns false. It ends early
//   by Get_ge (which starts a new one), ResultClear, Commit of a work file, Close, OpenNew,
//   OpenOut or destruction. Next on an ended cursor returns false and leaves the cells alone.
//   Current() is true exactly while the cursor stands on a record.
// - Get_ge: the records passing every filter, at or after the key values, in the order of the
//   selected index (ties in file order), at most ExtendedMaxReceive_Set records. Filters, key
//   values, the index and the used fields are read when Get_ge is called; changing them later
//   does not affect the open cursor.
// - Writes need an open file; on the suite database they also need a running booking
//   (TORVBuchung / BookingScope), otherwise StoreError. Work files take writes at any time;
//   with ManualCommit_Set(true) they count only after Commit (a crash loses the open batch).
// - Insert writes every cell of the current record as a new record, which becomes the record
//   that Update and Delete act on. Update writes back the cells that were read or set since
//   the record was read (never the empty cells of fields SetUsedField left out), so a caller
//   that reads two fields and changes one cannot blank the others. Update and Delete need a
//   record read by Get_ge / Next or written by Insert, otherwise StoreError.
// - Records inserted, changed or deleted while a cursor over the same file is open may or may
//   not be visited by it; change the current record only, or collect first and write after.
// - Every failure of the database is a StoreError; the current record is then unspecified.
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

    // Current record: every cell emptied, no stored record chosen for Update / Delete.
    void ClearRecord();
    bool Current() const { return current_; }

    void ClearKeysAndFilters();
    void SelectIndex(const std::string& indexName);
    void ExtendedMaxReceive_Set(int64_t n) { maxReceive_ = n; }
    // Reads only these fields from the next Get_ge on; cleared by ClearUsedFields and
    // ClearKeysAndFilters.
    void SetUsedField(const std::vector<std::string>& fieldNames);
    void ClearUsedFields() { usedFields_.clear(); }
    void LeseVerhalten_SQL_Set(bool) {}

    // Positions on the first record at or after the key values that passes all filters.
    bool Get_ge();
    bool Next();
    void ResultClear();
    int64_t GetCount();

    // Write the current record (see the contract above).
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
    // Per cell: true when it holds the stored value (read) or a value the caller set.
    std::vector<bool> known_;

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
    void BindCell(Statement& st, int& idx, size_t column) const;
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
