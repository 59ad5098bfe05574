#include "column_map.h"

#include <fstream>
#include <set>

#include "values.h"

namespace kis::import {

namespace {

const std::set<std::string> kMappableFields = {"receipt", "date", "customer", "article",
                                               "description", "quantity", "price", "amount",
                                               "branch", "kind", "type", "list-price", "size"};

}  // namespace

bool ReadColumnMapping(const std::string& path, ColumnMapping& out, ErrorList& errors) {
    std::ifstream in(path);
    if (!in) {
        errors.Add(path, 0, "", "Die Zuordnungsdatei kann nicht gelesen werden.");
        return false;
    }
    const int64_t before = errors.Total();
    std::string line;
    int64_t n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        if (Trim(line).empty()) continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) {
            errors.Add(path, n, "", "Zeile ohne \"=\" (erwartet: Feld = Spalte).");
            continue;
        }
        const std::string key = Lower(Trim(line.substr(0, eq)));
        const std::string value = Trim(line.substr(eq + 1));
        if (value.empty()) {
            errors.Add(path, n, key, "Wert fehlt.");
        } else if (key == "date-format") {
            if (!IsDateFormat(value)) errors.Add(path, n, key, "Datumsformat ohne Tag, Monat und Jahr: \"" + value + "\".");
            out.dateFormat = value;
        } else if (key == "decimal") {
            if (value != "." && value != ",") errors.Add(path, n, key, "Dezimaltrennzeichen muss \".\" oder \",\" sein.");
            out.decimal = value[0];
        } else if (key == "cancel-prefix") {
            out.cancelPrefix = value;
        } else if (key == "branch-default") {
            int64_t b = 0;
            if (!ParseWhole(value, b) || b <= 0 || b > 9999) errors.Add(path, n, key, "Filialnummer ungültig: \"" + value + "\".");
            out.branchDefault = int(b);
        } else if (kMappableFields.count(key)) {
            out.columns[key] = value;
        } else {
            errors.Add(path, n, key, "Unbekanntes Feld \"" + key + "\".");
        }
    }
    if (out.columns.count("price") && out.columns.count("amount"))
        errors.Add(path, 0, "", "Nur eines von \"price\" und \"amount\" darf zugeordnet sein.");
    return errors.Total() == before;
}

RowReader::RowReader(const std::string& path, ErrorList& errors, const ColumnMapping* mapping)
    : path_(path), errors_(errors), mapping_(mapping) {}

std::string RowReader::ColumnName(const std::string& field) const {
    if (mapping_ && !mapping_->columns.empty()) {
        const auto it = mapping_->columns.find(field);
        return it == mapping_->columns.end() ? field : it->second;
    }
    return field;
}

bool RowReader::Open(const std::vector<std::string>& required) {
    std::string error;
    if (!csv_.Open(path_, error)) {
        errors_.Add(path_, 0, "", error);
        return false;
    }
    std::vector<std::string> header;
    if (!csv_.Next(header, error)) {
        errors_.Add(path_, 1, "", error.empty() ? "Die Datei ist leer (Kopfzeile fehlt)." : error);
        return false;
    }
    columns_ = header.size();
    std::map<std::string, size_t> byHeader;
    for (size_t i = 0; i < header.size(); ++i) {
        const std::string name = Trim(header[i]);
        if (byHeader.count(name)) {
            errors_.Add(path_, 1, name, "Spalte kommt doppelt vor.");
            return false;
        }
        byHeader[name] = i;
    }
    bool ok = true;
    if (mapping_ && !mapping_->columns.empty()) {
        for (const auto& [field, column] : mapping_->columns) {
            const auto it = byHeader.find(column);
            if (it == byHeader.end()) {
                errors_.Add(path_, 1, column, "Spalte der Zuordnung für \"" + field + "\" fehlt in der Datei.");
                ok = false;
            } else {
                index_[field] = it->second;
            }
        }
        if (!ok) return false;
    } else {
        for (const auto& [name, i] : byHeader) index_[Lower(name)] = i;
    }
    for (const auto& field : required)
        if (!Has(field)) {
            errors_.Add(path_, 1, field, "Pflichtspalte fehlt.");
            ok = false;
        }
    return ok;
}

bool RowReader::Next() {
    std::string error;
    if (csv_.Next(row_, error)) {
        if (row_.size() != columns_) {
            Error("", "Die Zeile hat " + std::to_string(row_.size()) + " Felder, die Kopfzeile " +
                          std::to_string(columns_) + ".");
            row_.resize(columns_);
        }
        return true;
    }
    if (!error.empty()) errors_.Add(path_, csv_.Line(), "", error);
    return false;
}

std::string RowReader::Get(const std::string& field) const {
    const auto it = index_.find(field);
    if (it == index_.end() || it->second >= row_.size()) return {};
    return Trim(row_[it->second]);
}

void RowReader::Error(const std::string& field, const std::string& text) {
    errors_.Add(path_, csv_.Line(), field.empty() ? "" : ColumnName(field), text);
}

void ErrorList::Add(const std::string& file, int64_t line, const std::string& column,
                    const std::string& text) {
    ++total_;
    if (errors_.size() < kMaxReported) errors_.push_back({file, line, column, text});
}

std::string ErrorList::Format(const ImportError& e) {
    std::string s = e.file;
    if (e.line > 0) s += ", Zeile " + std::to_string(e.line);
    if (!e.column.empty()) s += ", Spalte \"" + e.column + "\"";
    return s + ": " + e.text;
}

}  // namespace kis::import
