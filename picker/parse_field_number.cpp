#include "picker/controller.h"

namespace palette {

namespace {

// Larger than every base, so one comparison rejects non-digits and digits of a wider base.
constexpr unsigned notADigit = 99;

constexpr unsigned DigitValue(char c)
{
    // Bytes of multi-byte UTF-8 sequences are all >= 0x80 and so never digits.
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= '0' && byte <= '9')
        return byte - '0';
    if (byte >= 'a' && byte <= 'f')
        return byte - 'a' + 10;
    if (byte >= 'A' && byte <= 'F')
        return byte - 'A' + 10;
    return notADigit;
}

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::int64_t ParseFieldNumber(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;

    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }

    unsigned base = 10;
    if (at < text.size() && text[at] == '$') {
        base = 16;
        ++at;
    } else if (at < text.size() && text[at] == '%') {
        base = 2;
        ++at;
    }

    // Unsigned, so that overflow wraps instead of being undefined.
    std::uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const unsigned digit = DigitValue(text[at]);
        if (digit >= base)
            break;
        value = value * base + digit;
    }
    if (negative)
        value = 0 - value;
    // Modular since C++20: the bits read as two's complement.
    return static_cast<std::int64_t>(value);
}

} // namespace palette
