#pragma once
// The suite database and the work files, declared as data: tables with typed fields and their
// key indexes. The DDL is generated from these declarations, and the record files find their
// fields here, so a field exists in exactly one place.
#include <string>
#include <vector>

namespace kis::store {

enum class FieldType {
    Str,    // TEXT
    Int,    // INTEGER, 32-bit value
    Bool,   // INTEGER 0/1
    Date,   // REAL, days since 1899-12-30
    Float,  // REAL amount
    Pair,   // TIntPair: two INTEGER columns NAME_L, NAME_R
    Trio,   // TInt32Trio: three INTEGER columns NAME_L, NAME_R, NAME_S
    Blob,   // TEXT block (text streams)
};

struct FieldDef {
    std::string name;
    FieldType type;
    bool german = false;  // sorted and compared in German order (names)
};

struct IndexDef {
    std::string name;                 // also the key-field name used to select it
    std::vector<std::string> fields;  // field names, in key order
    bool unique = false;
    // Condition of a partial index (SQL over the table's columns); empty: every row.
    std::string where;
};

struct TableDef {
    std::string name;
    std::vector<FieldDef> fields;
    std::vector<IndexDef> indexes;

    const FieldDef* Field(const std::string& fieldName) const;
    const IndexDef* Index(const std::string& indexName) const;
};

// Version of the suite schema this program writes; files of a newer version are refused.
constexpr int kSuiteSchemaVersion = 3;
// Marks a file as a KIS suite database / KIS work file (SQLite application_id).
constexpr int kSuiteApplicationId = 0x4B495331;  // "KIS1"
constexpr int kWorkApplicationId = 0x4B495357;   // "KISW"

const std::vector<TableDef>& SuiteTables();
const std::vector<TableDef>& WorkTables();
// Finds a table of the suite or of the work files; nullptr when unknown.
const TableDef* FindTable(const std::string& name);

// Column names of a field in the database (one, two or three).
std::vector<std::string> ColumnsOf(const FieldDef& field);
int ColumnCount(FieldType type);

// CREATE TABLE / CREATE INDEX statements for one table.
std::vector<std::string> CreateStatements(const TableDef& table);

}  // namespace kis::store
