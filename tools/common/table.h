#pragma once
// A suite record file opened for writing. Callers look their fields up once (F) and keep the
// references outside their loops.
#include <string>

#include "platform/store/record_file.h"

namespace kis::suitedata {

using kis::store::TDatenfeld;

class Table {
public:
    explicit Table(const std::string& name) : file_(name) { file_.OpenNew(); }
    TDatenfeld& F(const std::string& field) { return file_.Feld(field); }
    void Clear() { file_.ClearRecord(); }
    void Insert() { file_.Insert(); }

private:
    kis::store::TQEL_DBFile file_;
};

inline double Euro(int64_t cents) { return double(cents) / 100.0; }

}  // namespace kis::suitedata

namespace kis::demo {
using namespace kis::suitedata;
}  // namespace kis::demo
