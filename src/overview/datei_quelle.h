#pragma once
// A grid row source over a record file: the first Next positions the file (Get_ge), each
// further one steps it. The fill function turns the current record into a row, or skips it by
// returning false. Rows are read only as the grid asks for them.
#include <functional>
#include <memory>

#include "platform/store/record_file.h"
#include "platform/ui/data_model.h"

class TDateiQuelle : public TORVRowSource {
public:
    using Fill = std::function<bool(kis::store::TQEL_DBFile& file, QVariantList& row)>;

    TDateiQuelle(std::unique_ptr<kis::store::TQEL_DBFile> file, Fill fill)
        : file_(std::move(file)), fill_(std::move(fill)) {}

    bool Next(QVariantList& row) override;

private:
    std::unique_ptr<kis::store::TQEL_DBFile> file_;
    Fill fill_;
    bool begonnen_ = false;
};
