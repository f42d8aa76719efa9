#include "data/line_syntax.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace {

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool isNumberCharacter(char c)
{
    return isDigit(c) || c == '.' || c == '-';
}

// Numbers of at most this many digits have an integer mantissa below 2^53 and at most as many
// decimals as there are exact powers of ten in a double (10^22).
constexpr int fastPathDigits = 15;

constexpr double exactPowersOfTen[fastPathDigits + 1] = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// One number as strtod takes it once every other character has become a space: an optional
// "-", digits, an optional "." and digits, with at least one digit.
struct NumberToken {
    size_t length = 0;   // 0 when no number starts here
    bool negative = false;
    int digits = 0;
    int decimals = 0;
    uint64_t mantissa = 0;   // all digits as an integer, exact while digits <= fastPathDigits
};

void scanDigits(std::string_view text, NumberToken &token, int &counter)
{
    while (token.length < text.size() && isDigit(text[token.length])) {
        token.mantissa = token.mantissa * 10 + static_cast<uint64_t>(text[token.length] - '0');
        ++token.length;
        ++token.digits;
        ++counter;
    }
}

NumberToken scanNumber(std::string_view text)
{
    NumberToken token;
    if (!text.empty() && text.front() == '-') {
        token.negative = true;
        ++token.length;
    }
    int integerDigits = 0;
    scanDigits(text, token, integerDigits);
    if (token.length < text.size() && text[token.length] == '.') {
        ++token.length;
        scanDigits(text, token, token.decimals);
    }
    if (token.digits == 0)
        token.length = 0;
    return token;
}

double convertNumber(std::string_view text, const NumberToken &token)
{
    // Both operands are exact doubles and IEEE division rounds correctly, so this is the value
    // the general conversion gives, in a fraction of its time.
    if (token.digits <= fastPathDigits) {
        const double magnitude = static_cast<double>(token.mantissa) / exactPowersOfTen[token.decimals];
        return token.negative ? -magnitude : magnitude;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + token.length, value);
    // from_chars reports a range error and keeps the value where strtod gives an infinity (too
    // many integer digits) or a zero (a fraction below the smallest denormal).
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view integerPart = text.substr(token.negative ? 1 : 0,
                                                         size_t(token.digits - token.decimals));
        const bool overflows = integerPart.find_first_not_of('0') != std::string_view::npos;
        const double magnitude = overflows ? std::numeric_limits<double>::infinity() : 0.0;
        return token.negative ? -magnitude : magnitude;
    }
    return value;
}

} // namespace

bool containsRefusedCharacter(std::string_view piece)
{
    // Without an early exit the loop vectorises; refused files are rare and pieces short.
    bool refused = false;
    for (const char c : piece)
        refused |= isRefusedCharacter(c);
    return refused;
}

int readNumbers(std::string_view piece, LineNumbers &numbers)
{
    int count = 0;
    size_t position = 0;
    while (count < maxColumns) {
        while (position < piece.size() && !isNumberCharacter(piece[position]))
            ++position;
        const std::string_view rest = piece.substr(position);
        const NumberToken token = scanNumber(rest);
        if (token.length == 0)
            break;
        numbers[static_cast<size_t>(count++)] = convertNumber(rest, token);
        position += token.length;
    }
    return count;
}
