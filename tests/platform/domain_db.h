#pragma once
// An in-memory suite database for the domain-service tests; rows are inserted as literal SQL.
#include <memory>
#include <string>

#include "platform/store/database.h"

struct DomainDb {
    std::unique_ptr<kis::store::Database> db = kis::store::Database::OpenMemory();
    DomainDb() { kis::store::SetSuiteDb(db.get()); }
    ~DomainDb() { kis::store::SetSuiteDb(nullptr); }
    void Sql(const std::string& sql) { db->Exec(sql); }
};
