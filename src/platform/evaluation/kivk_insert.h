#pragma once
// The insert statements of the sales detail file by the form of a record. A position record
// sets 17 of the 33 columns, a document or sums record 19; the others keep their column
// defaults ('' or 0), which are exactly what the record holds there. Binding only the columns
// a record sets makes each insert cheaper for the writer thread.
#include <cstdint>
#include <string>

#include "platform/evaluation/work_records.h"
#include "platform/store/statement.h"

enum class TKivkForm : uint8_t { Position, Beleg, Voll };
constexpr int kKivkFormen = 3;

// The narrowest form whose omitted columns all hold their defaults in this record.
TKivkForm KivkForm(const TKivkSatz& s);
// INSERT of `zeilen` records of the form in one statement.
std::string KivkInsertSql(TKivkForm form, int zeilen);
// Binds one record in the form from parameter i on; returns the next free parameter. Texts are
// bound without a copy: the record must outlive the step that uses them.
int BindKivk(kis::store::Statement& st, int i, const TKivkSatz& s, TKivkForm form);
