#pragma once
// Reads a CSV file record by record without loading it whole: UTF-8 (with or without byte
// order mark) or Windows-1252, told apart by one pass over the whole file;
// separator ";" or ",", whichever the header line uses more often outside quotes; quoted
// fields as in RFC 4180 (doubled quotes, separators and line breaks inside quotes). Fields
// come back as UTF-8.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace kis::import {

enum class Encoding { Utf8, Windows1252 };

class CsvReader {
public:
    // Opens the file and detects encoding and separator. False with a German message when the
    // file cannot be read.
    bool Open(const std::string& path, std::string& error);
    // The next record; false at the end of the file or on an error (then `error` is set). Empty
    // lines are skipped.
    bool Next(std::vector<std::string>& fields, std::string& error);
    // Line on which the last record started (1-based).
    int64_t Line() const { return recordLine_; }
    char Separator() const { return separator_; }
    Encoding FileEncoding() const { return encoding_; }
    int64_t BytesRead() const { return consumed_; }
    int64_t FileSize() const { return size_; }

private:
    bool Fill();
    int Get();  // next byte or -1
    int Peek();
    bool DetectEncoding(const std::string& path, std::string& error);
    void Finish(std::string& field);

    std::ifstream in_;
    std::string buf_;
    size_t pos_ = 0;
    int64_t consumed_ = 0, size_ = 0;
    int64_t line_ = 1, recordLine_ = 0;
    char separator_ = ';';
    Encoding encoding_ = Encoding::Utf8;
};

// True when the bytes are valid UTF-8; a sequence cut off at the end counts as valid when
// `allowCutEnd` is set (a sample of a longer file).
bool IsValidUtf8(const std::string& bytes, bool allowCutEnd = false);
// Converts Windows-1252 text to UTF-8.
std::string Windows1252ToUtf8(const std::string& bytes);

}  // namespace kis::import
