#include "picker/controller.h"

#include <QTest>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

using namespace palette;

namespace {

constexpr std::int64_t int64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t int64Max = std::numeric_limits<std::int64_t>::max();
// The longest text a line edit holds by default.
constexpr std::size_t longestText = 32767;

std::string Repeat(char c, std::size_t count) { return std::string(count, c); }

} // namespace

class TestParseFieldNumber : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void everySingleCharacter_data();
    void everySingleCharacter();
};

void TestParseFieldNumber::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("number");

    struct Row { const char* name; std::string text; std::int64_t number; };
    const Row rows[] = {
        // The documented examples.
        {"empty", "", 0},
        {"letters only", "abc", 0},
        {"digits then letters", "12abc", 12},
        {"leading spaces", "   42", 42},
        {"leading tabs", "\t\t42", 42},
        {"plus sign", "+7", 7},
        {"leading zeros", "007", 7},
        {"minus sign", "-5", -5},
        {"space between sign and digits", "- 5", 0},
        {"decimal point ends the number", "3.7", 3},
        {"exponent ends the number", "1e3", 1},
        {"C hex prefix is not a prefix", "0x10", 0},
        {"hex lowercase", "$ff", 255},
        {"hex uppercase", "$FF", 255},
        {"binary", "%101", 5},
        {"above a byte", "300", 300},
        {"2^32 + 255", "4294967551", 4294967551},
        {"2^32", "4294967296", 4294967296},
        {"2^31", "2147483648", 2147483648},

        // Blanks, signs and prefixes.
        {"spaces and tabs mixed", " \t \t42", 42},
        {"sign after blanks", " \t-5", -5},
        {"newline is not skipped", "\n42", 0},
        {"carriage return is not skipped", "\r42", 0},
        {"vertical tab is not skipped", "\v42", 0},
        {"no-break space is not skipped", "\xC2\xA0" "42", 0},
        {"ideographic space is not skipped", "\xE3\x80\x80" "42", 0},
        {"minus zero", "-0", 0},
        {"plus alone", "+", 0},
        {"minus alone", "-", 0},
        {"dollar alone", "$", 0},
        {"percent alone", "%", 0},
        {"two minus signs", "--5", 0},
        {"plus then minus", "+-5", 0},
        {"minus then plus", "-+5", 0},
        {"sign after the prefix", "$-ff", 0},
        {"space after the prefix", "$ ff", 0},
        {"two prefixes", "$%1", 0},
        {"negative hex", "-$ff", -255},
        {"positive hex", "+$10", 16},
        {"negative binary after blanks", " \t-%11", -3},
        {"hex mixed case", "$DeadBeef", 3735928559},
        {"hex stops at g", "$fG", 15},
        {"hex with nothing valid", "$g", 0},
        {"binary stops at 2", "%1012", 5},
        {"binary with nothing valid", "%2", 0},
        {"decimal ignores hex letters", "12ab", 12},
        {"space inside the digits", "1 2", 1},
        {"trailing blanks", "42 \t", 42},

        // Wrap-around in 64 bits.
        {"largest 64-bit", "9223372036854775807", int64Max},
        {"2^63 wraps to the smallest", "9223372036854775808", int64Min},
        {"minus 2^63", "-9223372036854775808", int64Min},
        {"2^64 - 1 reads as -1", "18446744073709551615", -1},
        {"2^64 wraps to 0", "18446744073709551616", 0},
        {"2^64 + 5", "18446744073709551621", 5},
        {"minus (2^64 - 1)", "-18446744073709551615", 1},
        {"twenty nines", "99999999999999999999", 7766279631452241919},
        {"hex largest", "$7fffffffffffffff", int64Max},
        {"hex 2^63", "$8000000000000000", int64Min},
        {"hex minus 2^63 negates to itself", "-$8000000000000000", int64Min},
        {"hex 2^64 + 5", "$10000000000000005", 5},
        {"binary 2^63", "%1" + Repeat('0', 63), int64Min},
        {"binary 2^64", "%1" + Repeat('0', 64), 0},
        {"binary sixty-four ones", "%" + Repeat('1', 64), -1},

        // Long texts.
        {"longest run of zeros then 42", Repeat('0', longestText - 2) + "42", 42},
        {"longest run of nines", Repeat('9', longestText), -1},
        {"longest run of f", "$" + Repeat('f', longestText - 1), -1},
        {"10^63", "1" + Repeat('0', 63), int64Min},
        {"10^64", "1" + Repeat('0', 64), 0},
        {"many blanks before the number", Repeat(' ', longestText - 3) + "-42", -42},

        // Bytes that are no digits.
        {"embedded NUL ends the number", std::string("12\0" "34", 5), 12},
        {"leading NUL", std::string("\0" "42", 3), 0},
        {"NUL between sign and digits", std::string("-\0" "5", 3), 0},
        {"control character", "\x01" "42", 0},
        {"delete character", "4\x7F" "2", 4},
        {"fullwidth digits", "\xEF\xBC\x91\xEF\xBC\x92", 0},
        {"Arabic-Indic digit", "\xD9\xA3", 0},
        {"combining accent ends the number", "4\xCC\x81" "2", 4},
        {"invalid UTF-8", "\xFF\xFE" "7", 0},
        {"fullwidth minus", "\xEF\xBC\x8D" "5", 0},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << QByteArray(r.text.data(), qsizetype(r.text.size())) << qint64(r.number);
}

void TestParseFieldNumber::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(qint64, number);
    QCOMPARE(qint64(ParseFieldNumber(std::string_view(text.constData(), std::size_t(text.size())))), number);
}

// Every byte on its own, bare and after each prefix: only the base's digits
// count, whatever the byte's sign as a char.
void TestParseFieldNumber::everySingleCharacter_data()
{
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QByteArray>("digits");

    QTest::newRow("decimal") << QByteArray() << QByteArray("0123456789");
    QTest::newRow("hex") << QByteArray("$") << QByteArray("0123456789abcdef");
    QTest::newRow("binary") << QByteArray("%") << QByteArray("01");
}

void TestParseFieldNumber::everySingleCharacter()
{
    QFETCH(QByteArray, prefix);
    QFETCH(QByteArray, digits);
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        const char lower = byte >= 'A' && byte <= 'Z' ? char(byte - 'A' + 'a') : c;
        const qint64 expected = std::max<qsizetype>(digits.indexOf(lower), 0);
        const QByteArray text = prefix + QByteArray(&c, 1);
        const std::string_view view(text.constData(), std::size_t(text.size()));
        QVERIFY2(ParseFieldNumber(view) == expected, qPrintable(QStringLiteral("byte %1").arg(byte)));
    }
}

QTEST_APPLESS_MAIN(TestParseFieldNumber)
#include "tst_parse_field_number.moc"
