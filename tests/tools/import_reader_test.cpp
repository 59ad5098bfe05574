// The importer's CSV reader and value parsing: encodings, separators, quoting, numbers, dates.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "csv_reader.h"
#include "demo_test_support.h"
#include "values.h"

using namespace kis::import;

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct ReadResult {
    Rows rows;
    std::vector<int64_t> lines;
    std::string error;
    char separator = 0;
    Encoding encoding = Encoding::Utf8;
};

ReadResult ReadCsv(const std::string& bytes) {
    kis::demo_test::TempFolder dir;
    const std::string path = dir.Path("f.csv");
    std::ofstream(path, std::ios::binary) << bytes;
    CsvReader reader;
    ReadResult r;
    if (!reader.Open(path, r.error)) return r;
    std::vector<std::string> fields;
    while (reader.Next(fields, r.error)) {
        r.rows.push_back(fields);
        r.lines.push_back(reader.Line());
    }
    r.separator = reader.Separator();
    r.encoding = reader.FileEncoding();
    return r;
}

}  // namespace

TEST(ImportCsvReader, SeparatorAndEncodingAreDetected) {
    // Semicolons, UTF-8 with byte order mark, CRLF line ends.
    auto r = ReadCsv("\xEF\xBB\xBFname;city\r\nM\xC3\xBCller;K\xC3\xB6ln\r\n");
    EXPECT_EQ(';', r.separator);
    EXPECT_EQ(Encoding::Utf8, r.encoding);
    EXPECT_EQ((Rows{{"name", "city"}, {"Müller", "Köln"}}), r.rows);

    // Commas, Windows-1252: umlauts, sharp s and the euro sign come back as UTF-8.
    r = ReadCsv("name,text\nStra\xDF" "e,5 \x80 f\xFCr M\xE4nner\n");
    EXPECT_EQ(',', r.separator);
    EXPECT_EQ(Encoding::Windows1252, r.encoding);
    EXPECT_EQ((Rows{{"name", "text"}, {"Straße", "5 € für Männer"}}), r.rows);

    // A comma inside a quoted header field does not make the file comma-separated.
    r = ReadCsv("\"a,b\";c\n1;2\n");
    EXPECT_EQ(';', r.separator);
    EXPECT_EQ((Rows{{"a,b", "c"}, {"1", "2"}}), r.rows);
}

TEST(ImportCsvReader, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
    const auto r = ReadCsv("a;b;c\n\"x;y\";\"he said \"\"hi\"\"\";\"line1\nline2\"\n\n;;\nlast;1;2");
    ASSERT_EQ("", r.error);
    EXPECT_EQ((Rows{{"a", "b", "c"}, {"x;y", "he said \"hi\"", "line1\nline2"}, {"", "", ""},
                    {"last", "1", "2"}}),
              r.rows);
    // Records report the line they start on, counting the break inside the quoted field.
    EXPECT_EQ((std::vector<int64_t>{1, 2, 5, 6}), r.lines);
}

TEST(ImportCsvReader, BrokenQuotingAndBadUtf8AreErrors) {
    EXPECT_EQ("Anführungszeichen nicht geschlossen", ReadCsv("a;b\n\"open;1\n").error);
    EXPECT_EQ("Text nach dem schließenden Anführungszeichen", ReadCsv("a;b\n\"x\"y;1\n").error);
    EXPECT_EQ("Anführungszeichen mitten in einem Feld", ReadCsv("a;b\nx\"y;1\n").error);
    // The whole file decides the encoding: a Windows-1252 umlaut far down still makes it
    // Windows-1252, while a file mixing both is refused rather than decoded wrongly.
    std::string bytes = "a;b\n" + std::string(3 << 20, 'x') + ";2\n\xE4;3\n";
    auto r = ReadCsv(bytes);
    EXPECT_EQ(Encoding::Windows1252, r.encoding);
    ASSERT_EQ(3u, r.rows.size());
    EXPECT_EQ("ä", r.rows[2][0]);
    bytes = "a;b\n\xC3\xA4;1\n" + std::string(3 << 20, 'x') + ";2\n\xE4;3\n";
    EXPECT_EQ("Die Datei mischt UTF-8 mit einer anderen Zeichenkodierung (erstes fremdes Zeichen in Zeile 4).",
              ReadCsv(bytes).error);
}

TEST(ImportValues, AmountsRoundHalfToEven) {
    Decimal d;
    int64_t cents = 0;
    ASSERT_TRUE(ParseDecimal("2.55", '.', d));
    ASSERT_TRUE(LineCents(6, d, cents));
    EXPECT_EQ(1530, cents);
    ASSERT_TRUE(ParseDecimal("0,125", 0, d));
    ASSERT_TRUE(LineCents(1, d, cents));
    EXPECT_EQ(12, cents);  // half a cent to the even cent
    ASSERT_TRUE(LineCents(3, d, cents));
    EXPECT_EQ(38, cents);  // 0.375
    ASSERT_TRUE(LineCents(-1, d, cents));
    EXPECT_EQ(-12, cents);
    ASSERT_TRUE(ParseDecimal("1.005", 0, d));
    ASSERT_TRUE(ToCents(d, cents));
    EXPECT_EQ(100, cents);
    EXPECT_FALSE(ParseDecimal("1.234,56", 0, d));  // no thousands separators
    EXPECT_FALSE(ParseDecimal("12,5", '.', d));    // the mapped decimal separator only
    EXPECT_FALSE(ParseDecimal("abc", 0, d));
    EXPECT_FALSE(ParseDecimal("", 0, d));
    EXPECT_FALSE(ParseDecimal("-", 0, d));
    EXPECT_FALSE(ParseDecimal("999999999999.999999999", 0, d));  // would not fit 64 bits
    ASSERT_TRUE(ParseDecimal("99999999999.9999999", 0, d));
    EXPECT_FALSE(LineCents(999999, d, cents));                    // line amount too large
}

TEST(ImportValues, CustomerNumbersWrittenAsDecimals) {
    TIntPair nr;
    ASSERT_TRUE(ParseCustomerNumber("17850.0", nr));
    EXPECT_EQ(TIntPair(17850, 0), nr);
    ASSERT_TRUE(ParseCustomerNumber("12/3", nr));
    EXPECT_EQ(TIntPair(12, 3), nr);
    EXPECT_FALSE(ParseCustomerNumber("17850.5", nr));
    EXPECT_FALSE(ParseCustomerNumber("0", nr));
    EXPECT_FALSE(ParseCustomerNumber("-3", nr));
    EXPECT_FALSE(ParseCustomerNumber("K17850", nr));
    EXPECT_FALSE(ParseCustomerNumber("99999999999", nr));
}

TEST(ImportValues, DatesFixedFormsAndPatterns) {
    TDateTime t = 0;
    ASSERT_TRUE(ParseDate("03.01.2024", t));
    EXPECT_EQ(kis::date::EncodeDate(2024, 1, 3), t);
    ASSERT_TRUE(ParseDate("2024-01-03 14:30", t));
    EXPECT_EQ(kis::date::EncodeDateTime(2024, 1, 3, 14, 30, 0), t);
    EXPECT_FALSE(ParseDate("2024-02-30", t));
    EXPECT_FALSE(ParseDate("3.1.24", t));

    ASSERT_TRUE(ParseDateByFormat("12/1/2010 8:26", "M/d/yyyy H:mm", t));
    EXPECT_EQ(kis::date::EncodeDateTime(2010, 12, 1, 8, 26, 0), t);
    ASSERT_TRUE(ParseDateByFormat("2010-12-01 08:26:05", "yyyy-MM-dd HH:mm:ss", t));
    EXPECT_EQ(kis::date::EncodeDateTime(2010, 12, 1, 8, 26, 5), t);
    ASSERT_TRUE(ParseDateByFormat("01.12.10", "dd.MM.yy", t));
    EXPECT_EQ(kis::date::EncodeDate(2010, 12, 1), t);
    EXPECT_FALSE(ParseDateByFormat("2010-12-01", "dd.MM.yyyy", t));
    EXPECT_FALSE(ParseDateByFormat("13/1/2010 8:26", "M/d/yyyy H:mm", t));
    EXPECT_FALSE(ParseDateByFormat("12/1/2010 8:26 extra", "M/d/yyyy H:mm", t));
    EXPECT_FALSE(IsDateFormat("HH:mm"));
}
