#include "csv_reader.h"

#include <filesystem>
#include <vector>

namespace kis::import {

namespace {

constexpr size_t kChunk = 1 << 20;

// Windows-1252 characters 0x80-0x9F as Unicode code points (0 = undefined, kept as U+FFFD).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool IsValidUtf8(const std::string& s, bool allowCutEnd) {
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) { ++i; continue; }
        int len;
        char32_t cp;
        if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; }
        else return false;
        if (i + size_t(len) > n) return allowCutEnd;
        for (int k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + size_t(k)]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are no valid UTF-8.
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += size_t(len);
    }
    return true;
}

std::string Windows1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) out += ch;
        else if (c < 0xA0) AppendUtf8(out, kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : 0xFFFD);
        else AppendUtf8(out, c);
    }
    return out;
}

bool CsvReader::Open(const std::string& path, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = "Die Datei \"" + path + "\" ist nicht vorhanden oder keine Datei.";
        return false;
    }
    size_ = int64_t(std::filesystem::file_size(path, ec));
    in_.open(path, std::ios::binary);
    if (!in_) {
        error = "Die Datei \"" + path + "\" kann nicht gelesen werden.";
        return false;
    }
    if (!DetectEncoding(path, error)) return false;
    Fill();
    if (buf_.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        pos_ = 3;
        consumed_ = 3;
    }
    // Separator: count both candidates in the header line, outside quotes.
    int semicolons = 0, commas = 0;
    bool quoted = false;
    for (size_t i = pos_; i < buf_.size(); ++i) {
        const char c = buf_[i];
        if (c == '"') quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r')) break;
        else if (!quoted && c == ';') ++semicolons;
        else if (!quoted && c == ',') ++commas;
    }
    separator_ = commas > semicolons ? ',' : ';';
    return true;
}

// Reads the whole file once: all valid UTF-8 means UTF-8; no multi-byte UTF-8 sequence at all
// means Windows-1252. A file with both is refused: decoding it either way would corrupt text.
bool CsvReader::DetectEncoding(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    std::string chunk, carry;
    int64_t line = 1, firstInvalidLine = 0;
    bool multiByte = false;
    std::vector<char> buf(kChunk);
    while (in) {
        in.read(buf.data(), std::streamsize(buf.size()));
        const size_t got = size_t(in.gcount());
        if (got == 0) break;
        chunk.assign(carry);
        chunk.append(buf.data(), got);
        carry.clear();
        size_t i = 0;
        const size_t n = chunk.size();
        while (i < n) {
            const auto c = static_cast<unsigned char>(chunk[i]);
            if (c < 0x80) {
                if (c == '\n') ++line;
                ++i;
                continue;
            }
            const size_t len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
            if (len > 1 && i + len > n && in) {  // sequence continues in the next chunk
                carry = chunk.substr(i);
                break;
            }
            if (len > 1 && i + len <= n && IsValidUtf8(chunk.substr(i, len))) {
                multiByte = true;
                i += len;
            } else {
                if (firstInvalidLine == 0) firstInvalidLine = line;
                ++i;
            }
        }
    }
    if (!carry.empty() && firstInvalidLine == 0) firstInvalidLine = line;  // cut off at the end
    if (firstInvalidLine == 0) {
        encoding_ = Encoding::Utf8;
    } else if (!multiByte) {
        encoding_ = Encoding::Windows1252;
    } else {
        error = "Die Datei mischt UTF-8 mit einer anderen Zeichenkodierung (erstes fremdes Zeichen in Zeile " +
                std::to_string(firstInvalidLine) + ").";
        return false;
    }
    return true;
}

bool CsvReader::Fill() {
    if (!in_) return false;
    buf_.erase(0, pos_);
    pos_ = 0;
    const size_t old = buf_.size();
    buf_.resize(old + kChunk);
    in_.read(buf_.data() + old, std::streamsize(kChunk));
    buf_.resize(old + size_t(in_.gcount()));
    return buf_.size() > old;
}

int CsvReader::Peek() {
    if (pos_ >= buf_.size() && !Fill()) return -1;
    return static_cast<unsigned char>(buf_[pos_]);
}

int CsvReader::Get() {
    const int c = Peek();
    if (c >= 0) {
        ++pos_;
        ++consumed_;
    }
    return c;
}

void CsvReader::Finish(std::string& field) {
    if (encoding_ != Encoding::Windows1252) return;
    for (char c : field)
        if (static_cast<unsigned char>(c) >= 0x80) {
            field = Windows1252ToUtf8(field);
            return;
        }
}

bool CsvReader::Next(std::vector<std::string>& fields, std::string& error) {
    error.clear();
    for (;;) {
        fields.clear();
        recordLine_ = line_;
        int c = Peek();
        if (c < 0) return false;
        std::string field;
        bool quoted = false, wasQuoted = false, afterQuote = false;
        for (;;) {
            c = Get();
            if (quoted) {
                if (c < 0) {
                    error = "Anführungszeichen nicht geschlossen";
                    return false;
                }
                if (c == '"') {
                    if (Peek() == '"') {
                        Get();
                        field += '"';
                    } else {
                        quoted = false;
                        afterQuote = true;
                    }
                } else {
                    if (c == '\n') ++line_;
                    field += char(c);
                }
                continue;
            }
            if (c < 0 || c == '\n' || c == '\r' || c == separator_) {
                Finish(field);
                fields.push_back(std::move(field));
                field.clear();
                wasQuoted = afterQuote = false;
                if (c == separator_) continue;
                if (c == '\r' && Peek() == '\n') Get();
                if (c >= 0) ++line_;
                break;
            }
            if (afterQuote) {
                error = "Text nach dem schließenden Anführungszeichen";
                return false;
            }
            if (c == '"') {
                if (!field.empty() || wasQuoted) {
                    error = "Anführungszeichen mitten in einem Feld";
                    return false;
                }
                quoted = wasQuoted = true;
                continue;
            }
            field += char(c);
        }
        if (fields.size() == 1 && fields[0].empty()) continue;  // empty line
        return true;
    }
}

}  // namespace kis::import
