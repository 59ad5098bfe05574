#pragma once
// Which column of a file holds which of our fields. By default a file's header names our
// fields directly; a mapping file (`--columns=FILE`: "field = foreign header" per line, "#"
// starts a comment) maps a foreign export onto them and carries its reading settings.
#include <map>
#include <string>
#include <vector>

#include "csv_reader.h"
#include "import_data.h"

namespace kis::import {

struct ColumnMapping {
    std::map<std::string, std::string> columns;  // our field -> header in the file
    std::string dateFormat;                      // empty: the fixed forms of ParseDate
    char decimal = 0;                            // 0: "." or ","
    std::string cancelPrefix;
    int branchDefault = 0;
};

// Reads a mapping file; errors (unknown keys, bad settings) go to `errors` with their line.
bool ReadColumnMapping(const std::string& path, ColumnMapping& out, ErrorList& errors);

// One CSV file being read: its header, the current row and error reporting by column.
class RowReader {
public:
    RowReader(const std::string& path, ErrorList& errors, const ColumnMapping* mapping = nullptr);
    // Opens the file and reads the header; checks that every required field has a column.
    bool Open(const std::vector<std::string>& required);
    // The next row; false at the end (a broken row is reported and ends the file too).
    bool Next();
    bool Has(const std::string& field) const { return index_.count(field) != 0; }
    // The trimmed text of a field of the current row; empty when the file has no such column.
    std::string Get(const std::string& field) const;
    // Reports an error in the current row at the column of `field`.
    void Error(const std::string& field, const std::string& text);
    int64_t Line() const { return csv_.Line(); }
    const std::string& Path() const { return path_; }
    const CsvReader& Csv() const { return csv_; }
    const ColumnMapping* Mapping() const { return mapping_; }
    // The header name of a field (the foreign one when mapped).
    std::string ColumnName(const std::string& field) const;

private:
    std::string path_;
    ErrorList& errors_;
    const ColumnMapping* mapping_;
    CsvReader csv_;
    std::map<std::string, size_t> index_;  // our field -> column position
    std::vector<std::string> row_;
    size_t columns_ = 0;
};

}  // namespace kis::import
